# SPDX-License-Identifier: MIT
"""The bridge's main loop: Neovim on stdin and stdout, the wizard on the session bus."""

import os
import signal
import sys

from gi.repository import GLib

from .channel import NeovimChannel
from .host import Host


def main():
    # stdout carries msgpack-RPC alone: anything printed goes to stderr.
    rpc_out = os.dup(1)
    os.dup2(2, 1)
    sys.stdout = sys.stderr
    loop = GLib.MainLoop()
    status = {"code": 0}

    def no_bus():
        print("There is no session bus to offer the Vorrel host on.", file=sys.stderr)
        status["code"] = 1
        loop.quit()

    host = None

    def on_notification(name, args):
        if host:
            host.on_notification(name, args)

    channel = NeovimChannel(on_notification, loop.quit, write_fd=rpc_out)
    host = Host(channel, no_bus)
    GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGTERM, loop.quit)
    loop.run()
    host.close()
    return status["code"]
