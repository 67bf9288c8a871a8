;;; vorrel-host.el --- Let the Vorrel wizard insert its tools into Emacs  -*- lexical-binding: t; -*-
;; SPDX-License-Identifier: MIT

;; Copyright (C) 2026 The Vorrel developers
;; Version: 1.3
;; Package-Requires: ((emacs "28.1"))
;; Keywords: hypermedia, languages
;; URL: https://localhost/vorrel

;;; Commentary:

;; `vorrel-host-mode' makes this Emacs the host editor of the Vorrel wizard: it owns the name
;; Wexdor4.Plugin on the session bus and answers the wizard's calls on the buffer of the selected
;; window.  The wizard puts the scripts, attributes and markup of its tools into that buffer,
;; saves it with `save-buffer' and copies pictures into its folder.
;;
;; Where a text goes in the page is found by the placement kit that every Vorrel host shares,
;; loaded as the dynamic module vorrel-host-module.
;;
;; A second Emacs with the mode on queues for the name and becomes the host when the first one
;; ends or turns the mode off.

;;; Code:

(require 'browse-url)
(require 'dbus)
(require 'seq)
(require 'xml)

(define-error 'vorrel-host-error "Vorrel host")

(defconst vorrel-host--directory
  (file-name-directory (or load-file-name buffer-file-name default-directory))
  "Where this file is, and the protocol's description beside it.")

;; The module sits beside this file, or anywhere on `load-path'.
(unless (featurep 'vorrel-host-module)
  (let ((beside (expand-file-name (concat "vorrel-host-module" module-file-suffix)
                                  vorrel-host--directory)))
    (if (file-exists-p beside)
        (module-load beside)
      (require 'vorrel-host-module))))

(declare-function vorrel-host-kit-place "vorrel-host-module" (document place text))
(declare-function vorrel-host-kit-copy-files "vorrel-host-module" (list folder ask))

(defconst vorrel-host--bus-name "Wexdor4.Plugin")
(defconst vorrel-host--error-name "Wexdor4.Plugin.Error")

(defconst vorrel-host--no-document-folder "1error"
  "What getworkdir answers while no document is open; an untitled one answers \"\".")

(defun vorrel-host--protocol-file ()
  (expand-file-name "Wexdor4.Plugin.xml" vorrel-host--directory))

(defun vorrel-host--protocol ()
  "The object path, the interface and its methods, from the protocol's XML.
Each method is (NAME IN-COUNT OUT-TYPE), OUT-TYPE the signature of its answer
or nil."
  (let* ((node (car (xml-parse-file (vorrel-host--protocol-file))))
         (interface (car (xml-get-children node 'interface))))
    (list (xml-get-attribute node 'name)
          (xml-get-attribute interface 'name)
          (mapcar (lambda (method)
                    (let ((args (xml-get-children method 'arg)))
                      (list (xml-get-attribute method 'name)
                            (seq-count (lambda (arg) (equal (xml-get-attribute arg 'direction) "in"))
                                       args)
                            (seq-some (lambda (arg)
                                        (and (equal (xml-get-attribute arg 'direction) "out")
                                             (xml-get-attribute arg 'type)))
                                      args))))
                  (xml-get-children interface 'method)))))

;;; The document

(defvar-local vorrel-host--untitled nil
  "Non-nil in the buffer that opennewfile made, which counts as a document.")
(put 'vorrel-host--untitled 'permanent-local t)

(defun vorrel-host--window ()
  "The window whose buffer the calls work on: the selected one, or the one the
minibuffer was entered from."
  (let ((window (selected-window)))
    (if (window-minibuffer-p window)
        (or (minibuffer-selected-window) (get-mru-window nil nil t))
      window)))

(defun vorrel-host-document-p (buffer)
  "Non-nil when BUFFER is a document: it visits a file, opennewfile made it, or
it is in an HTML or SGML mode. `*scratch*' and other buffers of Emacs's own are
none."
  (with-current-buffer buffer
    (or buffer-file-name vorrel-host--untitled (derived-mode-p 'sgml-mode 'html-mode))))

(defun vorrel-host--document ()
  "The selected window's buffer, when it is a document; else a
`vorrel-host-error'."
  (let ((buffer (window-buffer (vorrel-host--window))))
    (unless (vorrel-host-document-p buffer)
      (signal 'vorrel-host-error '("No document is open in Emacs.")))
    buffer))

(defun vorrel-host--folder ()
  "The document's folder ending in \"/\", nil while it is untitled."
  (let ((file (buffer-file-name (vorrel-host--document))))
    (and file (file-name-as-directory (file-name-directory (expand-file-name file))))))

(defun vorrel-host--line-ends (text)
  "TEXT with its CR LF as the buffer's line ends, which inside Emacs are always
LF: the buffer's coding system writes them back as the file has them."
  (string-replace "\r\n" "\n" text))

;;; The calls

(defconst vorrel-host--places '(("puttexthead" . 0) ("puttextbody" . 1) ("puttextinbody" . 2))
  "The kit's place for each put that the kit places.")

(defun vorrel-host--put (buffer place text)
  "Put TEXT at the kit's PLACE in BUFFER, as one undo step; the cursor keeps
its place."
  (with-current-buffer buffer
    (save-excursion
      (save-restriction
        (widen)
        (pcase-let ((`(,start ,removed ,inserted)
                     (condition-case nil
                         (vorrel-host-kit-place
                          (buffer-substring-no-properties (point-min) (point-max)) place text)
                       ;; Bytes that are no character (a file that is not UTF-8 throughout).
                       (wrong-type-argument
                        (signal 'vorrel-host-error
                                '("The document holds bytes that are not UTF-8 text, so \
Vorrel cannot find where the text goes."))))))
          (undo-boundary)
          (goto-char (+ (point-min) start))
          (delete-char removed)
          (insert inserted)
          (undo-boundary))))))

(defun vorrel-host--put-at-cursor (buffer text)
  "Insert TEXT at BUFFER's cursor, which then stands after it; one undo step."
  (let* ((window (vorrel-host--window))
         (shown (eq (window-buffer window) buffer)))
    (with-current-buffer buffer
      ;; The window's cursor: the buffer's own point differs while the minibuffer is selected.
      (when shown
        (goto-char (window-point window)))
      (undo-boundary)
      (insert text)
      (undo-boundary)
      (when shown
        (set-window-point window (point))))))

(defun vorrel-host--open-new ()
  "Open a new untitled document in the selected window, in Emacs's mode for
HTML files."
  (let ((buffer (generate-new-buffer "untitled.html")))
    (with-current-buffer buffer
      (let ((mode (assoc-default "untitled.html" auto-mode-alist #'string-match)))
        (when (functionp mode)
          (funcall mode)))
      (setq vorrel-host--untitled t)
      ;; The wizard's texts are UTF-8; without this a text outside the locale's characters
      ;; would ask for a coding system when the page is saved.
      (setq buffer-file-coding-system 'utf-8-unix))
    (set-window-buffer (vorrel-host--window) buffer)
    (select-window (vorrel-host--window))
    (set-buffer buffer)))

(defun vorrel-host--save ()
  "Save the document with `save-buffer'; an untitled one asks \"File to save
in:\". Leaving the document unsaved (C-g, a refused overwrite, a failed write)
is an error."
  (let ((buffer (vorrel-host--document)))
    (with-current-buffer buffer
      ;; An untitled page that nothing was put into yet still gets its file: the wizard asks
      ;; for a folder again and again until it has one.
      (let ((modified (buffer-modified-p)))
        (unless buffer-file-name
          (set-buffer-modified-p t))
        ;; Left untitled, the buffer is as modified as it was.
        (unwind-protect
            (vorrel-host--save-buffer)
          (unless buffer-file-name
            (set-buffer-modified-p modified))))
      (when (or (not buffer-file-name) (buffer-modified-p))
        (signal 'vorrel-host-error '("The document was not saved."))))))

(defun vorrel-host--save-buffer ()
  "`save-buffer', its prompt's C-g and its failures as the wizard's errors."
  (condition-case failure
      ;; Emacs's own prompt in the minibuffer (no dialog box), even over another prompt.
      (let ((use-dialog-box nil)
            (use-file-dialog nil)
            (enable-recursive-minibuffers t))
        (save-buffer))
    (quit (signal 'vorrel-host-error '("The document was not saved.")))
    (error (signal 'vorrel-host-error
                   (list (concat "The document was not saved: "
                                 (error-message-string failure)))))))

(defun vorrel-host--may-replace (question)
  "Ask QUESTION in the minibuffer; only y replaces: RET, like n, keeps the
file."
  (let ((y-or-n-p-map (let ((map (make-sparse-keymap)))
                        (set-keymap-parent map y-or-n-p-map)
                        (define-key map (kbd "RET") #'y-or-n-p-insert-n)
                        map))
        (use-dialog-box nil)
        (enable-recursive-minibuffers t))
    (y-or-n-p question)))

(defun vorrel-host--copy-files (list)
  (let ((folder (vorrel-host--folder)))
    (unless folder
      (signal 'vorrel-host-error
              '("The document has not been saved yet, so it has no folder to copy files into.")))
    (condition-case nil
        (vorrel-host-kit-copy-files list folder #'vorrel-host--may-replace)
      (quit (signal 'vorrel-host-error '("Nothing was copied."))))))

(defun vorrel-host--preview (path)
  "Show the page at PATH (or a URL) in the web browser that `browse-url' is set
up with."
  (if (string-match-p "\\`[a-zA-Z][a-zA-Z0-9+.-]*://" path)
      (browse-url path)
    (unless (file-regular-p path)
      (signal 'vorrel-host-error (list (format "Cannot preview %s: no such file." path))))
    (browse-url (browse-url-file-url path))))

(defun vorrel-host--carry-out (method args)
  "The answer to METHOD with ARGS: a string, an integer, or nil for none."
  (pcase method
    ("WM_ISWEXDORRUNNING" 1)
    ("isopendoc" (if (vorrel-host-document-p (window-buffer (vorrel-host--window)))
                     "true" "false"))
    ("getworkdir" (condition-case nil
                      (or (vorrel-host--folder) "")
                    (vorrel-host-error vorrel-host--no-document-folder)))
    ("opennewfile" (vorrel-host--open-new) nil)
    ("forcesave" (vorrel-host--save) nil)
    ("puttextatcursor"
     (vorrel-host--put-at-cursor (vorrel-host--document) (vorrel-host--line-ends (car args)))
     nil)
    ((pred (lambda (m) (assoc m vorrel-host--places)))
     (vorrel-host--put (vorrel-host--document) (cdr (assoc method vorrel-host--places))
                       (vorrel-host--line-ends (car args)))
     nil)
    ("copyfiles" (vorrel-host--copy-files (car args)) nil)
    ("browserpreview" (vorrel-host--preview (car args)) nil)
    (_ (signal 'vorrel-host-error (list (format "Emacs does not serve %s." method))))))

(defun vorrel-host--answer (method out-type args)
  "What dbus.el sends back for METHOD: a value of OUT-TYPE, nothing, or (:error
NAME TEXT). Every failure becomes an error reply: dbus.el itself answers only a
`dbus-error', and the wizard would wait for ever."
  (condition-case failure
      (let ((value (vorrel-host--carry-out method args)))
        (pcase out-type
          ('nil :ignore)
          ("i" (list :int32 value))
          (_ (list value))))
    (vorrel-host-error (list :error vorrel-host--error-name (cadr failure)))
    (quit (list :error vorrel-host--error-name "Emacs was interrupted."))
    (t (list :error vorrel-host--error-name
             (truncate-string-to-width
              (format "The Emacs host failed: %s" (error-message-string failure)) 300
              nil nil "...")))))

;;; Calls that wait their turn

(defvar vorrel-host--interface nil "The interface the mode serves, while it is on.")
(defvar vorrel-host--busy nil "Non-nil while a call is carried out, its prompts included.")
(defvar vorrel-host--waiting nil "Calls that came while another was carried out, oldest first.")

(defun vorrel-host--waits-p (event)
  "Non-nil for a call of ours that waits while another is carried out: all but
the wizard's search for its host, which gives each connection two seconds."
  (and vorrel-host--interface
       (ignore-errors
         (and (= (dbus-event-message-type event) dbus-message-type-method-call)
              (equal (dbus-event-interface-name event) vorrel-host--interface)
              (not (equal (dbus-event-member-name event) "WM_ISWEXDORRUNNING"))))))

(defun vorrel-host--handle-in-turn (handle event)
  "Around `dbus-handle-event': a call that comes while another waits for its
user (the \"File to save in:\" prompt, the replace question) is held and
handled after it, in order. Answered at once, a getworkdir would say \"\" and a
put would land in the prompt's buffer."
  (cond ((not (vorrel-host--waits-p event)) (funcall handle event))
        (vorrel-host--busy (setq vorrel-host--waiting (nconc vorrel-host--waiting (list event))))
        (t (let ((vorrel-host--busy t))
             (funcall handle event)
             (while vorrel-host--waiting
               (with-demoted-errors "Vorrel host: %S"
                 (funcall handle (pop vorrel-host--waiting))))))))

;;; The mode

(defvar vorrel-host--methods nil "The registrations of the mode's methods.")

(defun vorrel-host--start ()
  (pcase-let ((`(,path ,interface ,methods) (vorrel-host--protocol)))
    (setq vorrel-host--interface interface)
    (advice-add 'dbus-handle-event :around #'vorrel-host--handle-in-turn)
    (setq vorrel-host--methods
          (mapcar (pcase-lambda (`(,name ,_in-count ,out-type))
                    (dbus-register-method
                     :session vorrel-host--bus-name path interface name
                     (lambda (&rest args) (vorrel-host--answer name out-type args))
                     t))
                  methods))
    ;; dbus.el does not describe the object; tools such as gdbus ask for it before a call.
    (let ((description (with-temp-buffer
                         (insert-file-contents (vorrel-host--protocol-file))
                         (buffer-string))))
      (push (dbus-register-method :session vorrel-host--bus-name path
                                  dbus-interface-introspectable "Introspect"
                                  (lambda () description) t)
            vorrel-host--methods))
    ;; The name last: a call that comes before its method is registered is dropped unanswered.
    ;; While Emacs still reads its command line and init file, the selected window does not
    ;; show the file it was given yet: the name waits for the start to be over.
    (if (vorrel-host--starting-p)
        (add-hook 'emacs-startup-hook #'vorrel-host--own-name)
      (vorrel-host--own-name))))

(defun vorrel-host--starting-p ()
  "Non-nil while an interactive Emacs still runs its `command-line'."
  (and (not noninteractive)
       (catch 'starting
         (mapbacktrace (lambda (_evald function _args _flags)
                         (when (eq function 'command-line)
                           (throw 'starting t))))
         nil)))

(defun vorrel-host--own-name ()
  (remove-hook 'emacs-startup-hook #'vorrel-host--own-name)
  (when vorrel-host--interface
    ;; Without flags the name is queued for when another Emacs has it.
    (dbus-register-service :session vorrel-host--bus-name)))

(defun vorrel-host--stop ()
  (remove-hook 'emacs-startup-hook #'vorrel-host--own-name)
  (mapc #'dbus-unregister-object vorrel-host--methods)
  (setq vorrel-host--methods nil)
  (ignore-errors (dbus-unregister-service :session vorrel-host--bus-name))
  (advice-remove 'dbus-handle-event #'vorrel-host--handle-in-turn)
  (setq vorrel-host--interface nil))

;;;###autoload
(define-minor-mode vorrel-host-mode
  "Make this Emacs the host editor of the Vorrel wizard. The wizard's calls
work on the buffer of the selected window: it inserts its tools there, saves it
and copies pictures into its folder."
  :global t
  :group 'tools
  :lighter " Vorrel"
  (vorrel-host--stop)
  (when vorrel-host-mode
    (condition-case failure
        (vorrel-host--start)
      (error (vorrel-host--stop)
             (setq vorrel-host-mode nil)
             (message "Vorrel host: %s" (error-message-string failure))))))

(provide 'vorrel-host)

;;; vorrel-host.el ends here
