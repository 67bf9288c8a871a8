# SPDX-License-Identifier: MIT
"""The host's automation object on the session bus: Wexdor4.Plugin at /Wexdor4/Plugin.

The interface and the object's path come from the protocol's XML, installed beside this module.
"""

import os
import sys
import traceback

from gi.repository import Gio, GLib

from .errors import HostError, NoDocument

BUS_NAME = "Wexdor4.Plugin"
ERROR_NAME = "Wexdor4.Plugin.Error"
# getworkdir's answer when no document is open; an untitled document answers "".
NO_DOCUMENT_FOLDER = "1error"

PROTOCOL_XML = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Wexdor4.Plugin.xml")


def _protocol_node():
    with open(PROTOCOL_XML, encoding="utf-8") as xml:
        return Gio.DBusNodeInfo.new_for_xml(xml.read())


class BusObject:
    """Owns the bus name and turns each call into a call on the editor.

    A failure becomes an error reply whose message the wizard shows to its user. A second gedit
    does not take the name from the first (no replacement is asked for or allowed); it still
    answers on its own connection.
    """

    def __init__(self, editor):
        self._editor = editor
        self._owner_id = 0
        self._registration = None  # (connection, id)
        node = _protocol_node()
        self._object_path = node.path
        self._interface = node.interfaces[0]

    def own(self):
        self._owner_id = Gio.bus_own_name(Gio.BusType.SESSION, BUS_NAME,
                                          Gio.BusNameOwnerFlags.NONE, self._on_bus, None, None)

    def disown(self):
        if self._owner_id:
            Gio.bus_unown_name(self._owner_id)
            self._owner_id = 0
        if self._registration:
            connection, registration_id = self._registration
            connection.unregister_object(registration_id)
            self._registration = None

    def _on_bus(self, connection, _name):
        registration_id = connection.register_object(self._object_path, self._interface,
                                                     self._on_call)
        self._registration = (connection, registration_id)

    def _on_call(self, _connection, _sender, _path, _interface, method, parameters, invocation):
        run = lambda: self._run(method, parameters.unpack(), invocation)  # noqa: E731
        # The wizard's search for a host waits two seconds at most, whatever gedit is reading.
        if method == "WM_ISWEXDORRUNNING":
            run()
        else:
            self._when_loaded(run)

    def _when_loaded(self, run):
        """Runs `run` once the active document has been read: until then it has no text."""
        try:
            tab = self._editor.loading_tab()
        except Exception:  # the call itself then answers with what is wrong
            traceback.print_exc(file=sys.stderr)
            tab = None
        if tab is None:
            run()
            return

        def state_changed(_tab, _spec):
            tab.disconnect(handler)
            # gedit puts the cursor where it was asked to just after this change.
            GLib.idle_add(lambda: self._when_loaded(run) and False)

        handler = tab.connect("notify::state", state_changed)

    def _run(self, method, args, invocation):
        try:
            if method == "forcesave":
                # The reply waits until gedit's save (and its Save As dialog) is over.
                self._editor.save(lambda failure: self._answer_save(invocation, failure))
                return
            invocation.return_value(self._answer(method, args))
        except HostError as error:
            invocation.return_dbus_error(ERROR_NAME, str(error))
        except Exception as error:  # a fault of ours must still answer the waiting wizard
            traceback.print_exc(file=sys.stderr)
            invocation.return_dbus_error(ERROR_NAME, "The gedit plug-in failed: %s" % error)

    @staticmethod
    def _answer_save(invocation, failure):
        if failure:
            invocation.return_dbus_error(ERROR_NAME, failure)
        else:
            invocation.return_value(None)

    def _folder_answer(self):
        try:
            folder = self._editor.work_dir()
        except NoDocument:
            return NO_DOCUMENT_FOLDER
        return folder or ""

    def _answer(self, method, args):
        editor = self._editor
        if method == "WM_ISWEXDORRUNNING":
            return GLib.Variant("(i)", (1,))
        if method == "getworkdir":
            return GLib.Variant("(s)", (self._folder_answer(),))
        if method == "isopendoc":
            return GLib.Variant("(s)", ("true" if editor.has_document() else "false",))
        if method == "opennewfile":
            editor.open_new()
        elif method == "puttextatcursor":
            editor.put_at_cursor(args[0])
        elif method in ("puttextbody", "puttextinbody", "puttexthead"):
            editor.put(method[len("puttext"):], args[0])
        elif method == "copyfiles":
            editor.copy_files(args[0])
        elif method == "browserpreview":
            editor.preview(args[0])
        return None
