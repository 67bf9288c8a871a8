# SPDX-License-Identifier: MIT
# The WebKit browser of the browser tests: a WebKit2GTK window per page that WebKitWebDriver
# drives over classic WebDriver. The driver cannot add scripts at document start, report page
# errors or announce popups, so this browser does, over a line-based JSON bridge to the test
# (a TCP connection to the port given as --bridge):
#   test -> browser  {"id": n, "scripts": [source, ...]}   scripts run at document start
#                    {"id": n, "barrier": true}            answered once earlier events are sent
#   browser -> test  {"id": n}                             the answer to a command
#                    {"event": "pageerror", "message": m}
#                    {"event": "popup", "uri": u}
# Errors are caught in an isolated script world, so the pages never see the bridge.
import argparse
import json
import socket

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import GLib, Gtk, WebKit2  # noqa: E402

BRIDGE_WORLD = "vorrel-bridge"
# In the isolated world: the page's uncaught errors, as the message of their error event.
WATCH_ERRORS = """
window.addEventListener('error', (event) => {
  window.webkit.messageHandlers.vorrel.postMessage(String(event.message));
});
window.addEventListener('unhandledrejection', (event) => {
  const reason = event.reason;
  window.webkit.messageHandlers.vorrel.postMessage(
    'Uncaught (in promise) ' + (reason && reason.message !== undefined ? reason.message : reason));
});
"""


class Bridge:
    def __init__(self, port):
        self.sock = socket.create_connection(("127.0.0.1", port))
        self.buffer = b""
        self.views = []
        self.content = WebKit2.UserContentManager()
        self.content.register_script_message_handler_in_world("vorrel", BRIDGE_WORLD)
        self.content.connect("script-message-received::vorrel", self.on_error)
        self.set_scripts([])
        GLib.io_add_watch(self.sock.fileno(), GLib.IO_IN | GLib.IO_HUP, self.on_readable)

    def send(self, message):
        self.sock.sendall((json.dumps(message) + "\n").encode())

    def on_error(self, _content, value):
        self.send({"event": "pageerror", "message": value.get_js_value().to_string()})

    def set_scripts(self, sources):
        self.content.remove_all_scripts()
        self.content.add_script(
            WebKit2.UserScript.new_for_world(
                WATCH_ERRORS,
                WebKit2.UserContentInjectedFrames.ALL_FRAMES,
                WebKit2.UserScriptInjectionTime.START,
                BRIDGE_WORLD,
                None,
                None,
            )
        )
        for source in sources:
            self.content.add_script(
                WebKit2.UserScript(
                    source,
                    WebKit2.UserContentInjectedFrames.ALL_FRAMES,
                    WebKit2.UserScriptInjectionTime.START,
                    None,
                    None,
                )
            )

    def on_readable(self, _fd, condition):
        chunk = self.sock.recv(1 << 20)
        if not chunk:
            Gtk.main_quit()
            return False
        self.buffer += chunk
        while b"\n" in self.buffer:
            line, self.buffer = self.buffer.split(b"\n", 1)
            self.handle(json.loads(line))
        return True

    def handle(self, command):
        if "scripts" in command:
            self.set_scripts(command["scripts"])
            self.send({"id": command["id"]})
        elif "barrier" in command:
            self.barrier(command["id"])

    # A script run in every page's bridge world answers after the messages posted before it,
    # which travel the same way; so once all have answered, every earlier error has been sent.
    def barrier(self, ident):
        views = [view for view in self.views if view.get_uri()]
        waiting = [len(views)]

        def done(*_args):
            waiting[0] -= 1
            if waiting[0] <= 0:
                self.send({"id": ident})

        if not views:
            done()
        for view in views:
            view.evaluate_javascript("0", -1, BRIDGE_WORLD, None, None, done, None)


class Browser:
    def __init__(self, bridge):
        self.bridge = bridge
        # Automation starts only in the default context; the test gives the browser fresh data
        # folders, so nothing is kept from one browser to the next.
        self.context = WebKit2.WebContext.get_default()
        self.context.set_automation_allowed(True)
        self.context.connect("automation-started", self.on_automation_started)

    def on_automation_started(self, _context, session):
        info = WebKit2.ApplicationInfo()
        info.set_name("vorrel-webkit")
        info.set_version(1, 0, 0)
        session.set_application_info(info)
        session.connect("create-web-view", lambda _session: self.new_view())

    def settings(self):
        settings = WebKit2.Settings()
        settings.set_javascript_can_open_windows_automatically(True)
        settings.set_enable_developer_extras(False)
        return settings

    def new_view(self, related=None):
        properties = {"user_content_manager": self.bridge.content, "settings": self.settings()}
        # A popup shares its opener's process and automation; only a first view is given both.
        if related is not None:
            properties["related_view"] = related
        else:
            properties["web_context"] = self.context
            properties["is_controlled_by_automation"] = True
        view = WebKit2.WebView(**properties)
        view.connect("create", self.on_create)
        view.connect("close", self.on_close)
        view.connect("script-dialog", lambda *_args: False)
        self.bridge.views.append(view)
        window = Gtk.Window()
        window.set_default_size(1280, 720)
        window.add(view)
        window.show_all()
        return view

    def on_create(self, view, action):
        popup = self.new_view(related=view)
        self.bridge.send({"event": "popup", "uri": action.get_request().get_uri()})
        return popup

    def on_close(self, view):
        if view in self.bridge.views:
            self.bridge.views.remove(view)
        view.get_toplevel().destroy()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bridge", type=int, required=True)
    options, _driver_arguments = parser.parse_known_args()
    Gtk.init(None)
    Browser(Bridge(options.bridge))
    Gtk.main()


if __name__ == "__main__":
    main()
