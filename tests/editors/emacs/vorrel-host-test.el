;;; vorrel-host-test.el --- Which buffers the Emacs host takes for a document  -*- lexical-binding: t; -*-
;; SPDX-License-Identifier: MIT

;;; Commentary:

;; Run in `emacs --batch' with the built package on `load-path'.  What isopendoc and getworkdir
;; answer for the buffer of the selected window, one kind of buffer a row.

;;; Code:

(require 'ert)
(require 'vorrel-host)

(defun vorrel-host-test--answers (make-buffer)
  "(isopendoc getworkdir) for the buffer that MAKE-BUFFER returns, shown in the selected window."
  (let ((buffer (funcall make-buffer)))
    (unwind-protect
        (progn
          (set-window-buffer (selected-window) buffer)
          (set-buffer buffer)
          (list (vorrel-host--answer "isopendoc" "s" nil)
                (vorrel-host--answer "getworkdir" "s" nil)))
      (when (buffer-live-p buffer)
        (with-current-buffer buffer (set-buffer-modified-p nil))
        (kill-buffer buffer)))))

(defun vorrel-host-test--in-mode (mode)
  (lambda ()
    (with-current-buffer (generate-new-buffer "page")
      (funcall mode)
      (current-buffer))))

(ert-deftest vorrel-host-test-what-counts-as-a-document ()
  (let* ((folder (file-name-as-directory (make-temp-file "vorrel-host-test" t)))
         (text-file (expand-file-name "notes.txt" folder)))
    (write-region "notes\n" nil text-file)
    (dolist (row `(("*scratch*" ,(lambda () (get-buffer-create "*scratch*"))
                    ("false") ("1error"))
                   ("a buffer of no file in fundamental-mode" ,(vorrel-host-test--in-mode
                                                                #'fundamental-mode)
                    ("false") ("1error"))
                   ("a text buffer of no file" ,(vorrel-host-test--in-mode #'text-mode)
                    ("false") ("1error"))
                   ("an HTML buffer of no file" ,(vorrel-host-test--in-mode #'html-mode)
                    ("true") (""))
                   ("an SGML buffer of no file" ,(vorrel-host-test--in-mode #'sgml-mode)
                    ("true") (""))
                   ("a buffer that visits a file, of any kind"
                    ,(lambda () (find-file-noselect text-file))
                    ("true") (,folder))
                   ("the buffer opennewfile made, in any mode"
                    ,(lambda () (vorrel-host--open-new) (fundamental-mode) (current-buffer))
                    ("true") (""))))
      (pcase-let ((`(,name ,make ,open ,folder) row))
        (should (equal (list name (vorrel-host-test--answers make))
                       (list name (list open folder))))))
    (delete-directory folder t)))

;;; vorrel-host-test.el ends here
