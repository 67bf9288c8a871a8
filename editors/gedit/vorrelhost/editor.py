# SPDX-License-Identifier: MIT
"""The host calls carried out on gedit's active document, with gedit's own calls."""

import os

from gi.repository import Gedit, Gtk

from . import folder_copy, kit, preview
from .errors import HostError, NoDocument


def _folder_of(location):
    path = location.get_path()
    if path is None:
        raise HostError("The document %s is not a local file." % location.get_uri())
    folder = os.path.dirname(path)
    return folder if folder.endswith("/") else folder + "/"


class Editor:
    def __init__(self, app):
        self._app = app
        self._waiting_saves = []  # callbacks of forcesave calls, the running one first

    def _window(self):
        # The gedit window used last; the application's active window may be a dialog, such as
        # Preferences.
        windows = self._app.get_main_windows()
        return windows[0] if windows else None

    def _document(self):
        window = self._window()
        document = window.get_active_document() if window else None
        if document is None:
            raise NoDocument("No document is open in gedit.")
        return document

    def loading_tab(self):
        """The active tab while gedit is still reading its file, else None."""
        window = self._window()
        tab = window.get_active_tab() if window else None
        loading = (Gedit.TabState.STATE_LOADING, Gedit.TabState.STATE_REVERTING)
        return tab if tab and tab.get_state() in loading else None

    def has_document(self):
        window = self._window()
        return bool(window and window.get_active_document())

    def work_dir(self):
        """The document's folder with a trailing "/"; None while it is untitled."""
        location = self._document().get_file().get_location()
        return _folder_of(location) if location else None

    def open_new(self):
        window = self._window()
        if window is None:
            window = self._app.create_window(None)
            window.show()
        window.create_tab(True)

    def put_at_cursor(self, text):
        document = self._document()
        # One user action is one undo step: Ctrl+Z takes the whole text back at once.
        document.begin_user_action()
        try:
            document.insert_at_cursor(text)
        finally:
            document.end_user_action()
        self._window().get_active_view().scroll_mark_onscreen(document.get_insert())

    def put(self, where, text):
        """Puts `text` where the kit finds the place `where` ("head", "body", "inbody")."""
        document = self._document()
        content = document.get_text(document.get_start_iter(), document.get_end_iter(), True)
        encoded = content.encode("utf-8")
        offset, removed, inserted = kit.place(encoded, where, text.encode("utf-8"))
        # The kit counts bytes of UTF-8; the buffer counts characters.
        start = len(encoded[:offset].decode("utf-8"))
        end = start + len(encoded[offset:offset + removed].decode("utf-8"))
        document.begin_user_action()
        try:
            at = document.get_iter_at_offset(start)
            if end > start:
                document.delete(at, document.get_iter_at_offset(end))
                at = document.get_iter_at_offset(start)
            document.insert(at, inserted.decode("utf-8"))
        finally:
            document.end_user_action()

    def save(self, done):
        """gedit's own save (Save As for an untitled document); done(None or a message).

        One save at a time: a call that comes while a Save As dialog is open waits its turn.
        """
        self._document()  # without a document the caller gets its error at once
        self._waiting_saves.append(done)
        if len(self._waiting_saves) == 1:
            self._save_next()

    def _save_next(self):
        def finished(failure):
            self._waiting_saves.pop(0)(failure)
            if self._waiting_saves:
                self._save_next()

        try:
            document = self._document()
        except HostError as error:
            finished(str(error))
            return

        def saved(_document, result, _data):
            try:
                ok = Gedit.commands_save_document_finish(document, result)
            except Exception as error:  # noqa: BLE001 - reported to the waiting caller
                finished("The document was not saved: %s" % getattr(error, "message", error))
                return
            finished(None if ok else "The document was not saved.")

        window = Gedit.Tab.get_from_document(document).get_toplevel()
        Gedit.commands_save_document_async(document, window, None, saved, None)

    def copy_files(self, file_list):
        folder = self.work_dir()
        if not folder:
            raise HostError("The document has not been saved yet, so it has no folder to copy "
                            "files into.")
        sources = [os.fsdecode(path) for path in kit.split_file_list(os.fsencode(file_list))]
        folder_copy.run(folder_copy.plan(sources, folder), self._may_replace)

    def _may_replace(self, copy):
        """Asked over gedit's window, with No as the default: the file may be the user's own."""
        dialog = Gtk.MessageDialog(transient_for=self._window(), modal=True,
                                   message_type=Gtk.MessageType.QUESTION,
                                   buttons=Gtk.ButtonsType.YES_NO,
                                   text=copy.replace_question())
        dialog.set_title("Vorrel")
        dialog.set_default_response(Gtk.ResponseType.NO)
        try:
            return dialog.run() == Gtk.ResponseType.YES
        finally:
            dialog.destroy()

    def preview(self, path):
        preview.show(path)
