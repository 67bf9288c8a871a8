;;; vorrel-host-autoloads.el --- What Emacs knows of vorrel-host before it loads it  -*- lexical-binding: t; -*-
;; SPDX-License-Identifier: MIT

;;; Code:

(add-to-list 'load-path (directory-file-name (file-name-directory load-file-name)))

(autoload 'vorrel-host-mode "vorrel-host"
  "Make this Emacs the host editor of the Vorrel wizard." t)

(provide 'vorrel-host-autoloads)

;;; vorrel-host-autoloads.el ends here
