# SPDX-License-Identifier: MIT
"""The host's automation object on the session bus, carried out in Neovim one call at a time.

The bridge answers WM_ISWEXDORRUNNING itself, so that a busy Neovim never makes the wizard miss
its host. Every other call waits in line until the one before it has been answered: a call that
comes while the save prompt is open would otherwise see the document still untitled, or put its
text into the middle of the prompt.
"""

import collections
import sys
import traceback

from gi.repository import Gio, GLib

from . import calls
from .busobject import BUS_NAME, ERROR_NAME, _protocol_node
from .errors import HostError

RUNNING_METHOD = "WM_ISWEXDORRUNNING"
# Runs one function of the plugin's vorrel.document with the arguments that follow.
LUA_CALL = 'return require("vorrel.document").call(...)'


class Host:
    def __init__(self, channel, on_no_bus):
        self._channel = channel
        self._on_no_bus = on_no_bus
        node = _protocol_node()
        self._object_path = node.path
        self._interface = node.interfaces[0]
        # Every method of the interface but the one answered here, each with its generator.
        self._calls = {method.name: getattr(calls, method.name)
                       for method in self._interface.methods if method.name != RUNNING_METHOD}
        self._waiting = collections.deque()  # (method, args, invocation)
        self._current = None  # (generator, invocation, out signature)
        self._answer_awaited = None
        self._registration = None
        self._owns_name = False
        self._owner_id = Gio.bus_own_name(Gio.BusType.SESSION, BUS_NAME,
                                          Gio.BusNameOwnerFlags.NONE, self._on_bus,
                                          self._acquired, self._lost)

    # The object is there before the name is asked for, so that the first call the name brings
    # finds it. The name is waited for while another host holds it, and only its owner serves.
    def _on_bus(self, connection, _name):
        self._registration = (connection, connection.register_object(
            self._object_path, self._interface, self._on_call))

    def _acquired(self, _connection, _name):
        self._owns_name = True

    def _lost(self, connection, _name):
        self._owns_name = False
        if connection is None:
            self._on_no_bus()
            return
        self._channel.exec_lua('require("vorrel").queued()', [], lambda _error, _result: None)

    def _unregister(self):
        if self._registration:
            connection, registration_id = self._registration
            connection.unregister_object(registration_id)
            self._registration = None

    def close(self):
        """Neovim has gone: what is waiting is answered with an error, the name is given up."""
        connection = self._registration[0] if self._registration else None
        self._unregister()
        if self._owner_id:
            Gio.bus_unown_name(self._owner_id)
            self._owner_id = 0
        if self._current:
            self._current[1].return_dbus_error(ERROR_NAME, "Neovim has ended.")
            self._current = None
        while self._waiting:
            self._waiting.popleft()[2].return_dbus_error(ERROR_NAME, "Neovim has ended.")
        if connection:
            # The answers are on their way before the process ends.
            connection.flush_sync(None)

    def _serves(self, invocation):
        # The bus brings a call for the name only to its owner; one for this connection's own
        # name is answered only while it owns the name, so a Neovim waiting in line is no host.
        return self._owns_name or invocation.get_message().get_destination() == BUS_NAME

    def _on_call(self, _connection, _sender, _path, _interface, method, parameters, invocation):
        if not self._serves(invocation):
            invocation.return_dbus_error(
                ERROR_NAME, "Another editor is the Vorrel host; this Neovim waits for its turn.")
            return
        if method == RUNNING_METHOD:
            invocation.return_value(GLib.Variant("(i)", (1,)))
            return
        self._waiting.append((method, parameters.unpack(), invocation))
        self._next()

    def _next(self):
        while self._current is None and self._waiting:
            method, args, invocation = self._waiting.popleft()
            out = "".join(arg.signature for arg in self._interface.lookup_method(method).out_args)
            self._current = (self._calls[method](*args), invocation, out)
            self._resume(None)

    def _resume(self, value, failure=None):
        generator, invocation, out = self._current
        try:
            asked = generator.throw(failure) if failure else generator.send(value)
        except StopIteration as done:
            self._answer(invocation.return_value,
                         GLib.Variant("(%s)" % out, (done.value,)) if out else None)
            return
        except HostError as error:
            self._answer(invocation.return_dbus_error, ERROR_NAME, str(error))
            return
        except Exception as error:  # a fault of ours must still answer the waiting wizard
            traceback.print_exc(file=sys.stderr)
            self._answer(invocation.return_dbus_error, ERROR_NAME,
                         "The Neovim host failed: %s" % error)
            return
        if asked[0] == "lua":
            self._channel.exec_lua(LUA_CALL, [asked[1]] + asked[2], self._answered)
        else:
            self._answer_awaited = asked[1]

    def _answer(self, reply, *arguments):
        self._current = None
        reply(*arguments)
        self._next()

    def _answered(self, error, result):
        if self._current is None:
            return
        if error:
            message = error[1] if isinstance(error, list) and len(error) > 1 else error
            if isinstance(message, bytes):
                message = message.decode("utf-8", "replace")
            self._resume(None, HostError("Neovim could not carry out the call: %s" % message))
        else:
            self._resume(result)

    def on_notification(self, name, args):
        if name == "vorrel_answer" and self._current and args and args[0] == self._answer_awaited:
            self._answer_awaited = None
            self._resume(args[1] if len(args) > 1 else None)
