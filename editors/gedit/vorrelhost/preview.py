# SPDX-License-Identifier: MIT
"""browserpreview: a page shown in the desktop's web browser."""

import os

from gi.repository import Gio

from .errors import HostError


def show(path):
    if not os.path.isfile(path):
        raise HostError("Cannot preview %s: no such file." % path)
    # The web browser, not the page's default program: for an HTML file that may be the editor.
    browser = Gio.AppInfo.get_default_for_uri_scheme("https") or \
        Gio.AppInfo.get_default_for_uri_scheme("http")
    if browser is None:
        raise HostError("No web browser is set up on this desktop to preview %s." % path)
    try:
        browser.launch_uris([Gio.File.new_for_path(path).get_uri()], None)
    except Exception as error:
        raise HostError("Cannot start %s to preview %s: %s"
                        % (browser.get_name(), path, getattr(error, "message", error))) \
            from error
