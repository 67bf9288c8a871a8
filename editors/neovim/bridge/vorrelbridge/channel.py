# SPDX-License-Identifier: MIT
"""msgpack-RPC with the Neovim that started this process, on stdin and stdout."""

import os

import msgpack
from gi.repository import GLib

REQUEST, RESPONSE, NOTIFICATION = 0, 1, 2


class NeovimChannel:
    """Requests to Neovim with a callback each, and Neovim's notifications to a handler.

    Strings come as bytes (a buffer's lines need not be UTF-8). Everything runs on the GLib main
    loop, so a busy Neovim never keeps the bus waiting.
    """

    def __init__(self, on_notification, on_closed, read_fd=0, write_fd=1):
        self._on_notification = on_notification
        self._on_closed = on_closed
        self._write_fd = write_fd
        self._read_fd = read_fd
        self._unpacker = msgpack.Unpacker(raw=True, max_buffer_size=1 << 30)
        self._packer = msgpack.Packer(use_bin_type=False, unicode_errors="surrogateescape")
        self._next_id = 1
        self._waiting = {}  # request id -> callback(error, result)
        GLib.io_add_watch(read_fd, GLib.PRIORITY_DEFAULT, GLib.IO_IN | GLib.IO_HUP | GLib.IO_ERR,
                          self._readable)

    def request(self, method, args, callback):
        request_id = self._next_id
        self._next_id += 1
        self._waiting[request_id] = callback
        self._send([REQUEST, request_id, method, args])

    def exec_lua(self, code, args, callback):
        self.request("nvim_exec_lua", [code, args], callback)

    def _send(self, message):
        data = memoryview(self._packer.pack(message))
        while data:
            written = os.write(self._write_fd, data)
            data = data[written:]

    def _readable(self, _fd, condition):
        try:
            chunk = os.read(self._read_fd, 1 << 16)
        except OSError:
            chunk = b""
        if not chunk:
            self._on_closed()
            return False
        self._unpacker.feed(chunk)
        for message in self._unpacker:
            self._dispatch(message)
        return True

    def _dispatch(self, message):
        kind = message[0]
        if kind == RESPONSE:
            callback = self._waiting.pop(message[1], None)
            if callback:
                callback(message[2], message[3])
        elif kind == NOTIFICATION:
            self._on_notification(message[1].decode("utf-8", "replace"), message[2])
        elif kind == REQUEST:
            # Neovim asks this side nothing; an answer keeps a caller from waiting forever.
            self._send([RESPONSE, message[1], "The Vorrel bridge serves no requests.", None])
