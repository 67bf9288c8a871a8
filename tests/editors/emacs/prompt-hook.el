;;; prompt-hook.el --- For the tests of the Emacs host: says when a prompt is open  -*- lexical-binding: t; -*-
;; SPDX-License-Identifier: MIT

;;; Commentary:

;; Loaded by the tests' Emacs alone.  Each minibuffer prompt, once it is open and reads keys, is
;; written as one line to the file that VORREL_EMACS_PROMPTS names, so that a driver types its
;; answer (with tmux send-keys) only then.

;;; Code:

(setq inhibit-startup-screen t)

(let ((prompts (getenv "VORREL_EMACS_PROMPTS")))
  (when prompts
    (add-hook 'minibuffer-setup-hook
              (lambda ()
                (write-region (concat (string-replace "\n" " " (minibuffer-prompt)) "\n")
                              nil prompts t 'silent)))))

;;; prompt-hook.el ends here
