# SPDX-License-Identifier: MIT
"""gedit plugin that answers the Vorrel wizard's host calls on the session bus."""

import gi

gi.require_version("Gedit", "3.0")
gi.require_version("Gtk", "3.0")

from gi.repository import GObject, Gedit  # noqa: E402

from .busobject import BusObject  # noqa: E402
from .editor import Editor  # noqa: E402


class VorrelHostPlugin(GObject.Object, Gedit.AppActivatable):
    """One per gedit process: the bus object lives as long as the plugin is enabled."""

    __gtype_name__ = "VorrelHostPlugin"
    app = GObject.Property(type=Gedit.App)

    def __init__(self):
        GObject.Object.__init__(self)
        self._bus = None

    def do_activate(self):
        self._bus = BusObject(Editor(self.app))
        self._bus.own()

    def do_deactivate(self):
        if self._bus:
            self._bus.disown()
            self._bus = None
