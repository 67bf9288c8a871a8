# SPDX-License-Identifier: MIT
# The WebKit browser of the browser tests: a WebKit2GTK window per page that WebKitWebDriver
# drives over classic WebDriver. The driver cannot add scripts at document start, report page
# errors or announce popups, so this browser does, over a line-based JSON bridge to the test
# (a TCP connection to the port given as --bridge):
#   test -> browser  {"id": n, "view": v, "scripts": [source, ...]}  v's scripts at document start
#                    {"id": n, "barrier": true}           answered once earlier events are sent
#   browser -> test  {"id": n}                            the answer to a command
#                    {"event": "window", "view": v}       the driver opened window v
#                    {"event": "popup", "view": v, "uri": u}          a page of window v opened u
#                    {"event": "pageerror", "view": v, "message": m, "popup": p, "name": w,
#                     "href": h}                          an uncaught error
#                    {"event": "console", "view": v, "message": m, "popup": p, "href": h}
#                                                         a resource that failed to load
# A window and the popups it opens are one family: WebKit runs a popup's pages with its
# opener's user content, so an event names the family's window v and, for a popup (p true),
# the popup's window name w and address h.
# Errors are caught in an isolated script world, so the pages never see the bridge.
import argparse
import json
import socket

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import GLib, Gtk, WebKit2  # noqa: E402

BRIDGE_WORLD = "vorrel-bridge"
# In the isolated world: the page's uncaught errors, as the message of their error event, with
# the window they were raised in.
WATCH_ERRORS = """
const report = (message) => {
  let where = {};
  try {
    where = { popup: top.opener !== null, name: top.name, href: top.location.href };
  } catch {
    // A frame of another origin cannot see its top window; its error goes to the family's window.
  }
  window.webkit.messageHandlers.vorrel.postMessage(JSON.stringify({ message, ...where }));
};
window.addEventListener('error', (event) => report(String(event.message)));
window.addEventListener('unhandledrejection', (event) => {
  const reason = event.reason;
  const text = reason && reason.message !== undefined ? reason.message : reason;
  report('Uncaught (in promise) ' + text);
});
"""


def user_script(source, world=None):
    frames = WebKit2.UserContentInjectedFrames.ALL_FRAMES
    start = WebKit2.UserScriptInjectionTime.START
    if world is None:
        return WebKit2.UserScript(source, frames, start, None, None)
    return WebKit2.UserScript.new_for_world(source, frames, start, world, None, None)


class Bridge:
    def __init__(self, port):
        self.sock = socket.create_connection(("127.0.0.1", port))
        self.buffer = b""
        self.views = []
        self.contents = {}
        GLib.io_add_watch(self.sock.fileno(), GLib.IO_IN | GLib.IO_HUP, self.on_readable)

    def send(self, message):
        self.sock.sendall((json.dumps(message) + "\n").encode())

    # The user content of a new window `ident`, which its popups share.
    def new_content(self, ident):
        content = WebKit2.UserContentManager()
        content.register_script_message_handler_in_world("vorrel", BRIDGE_WORLD)
        content.connect("script-message-received::vorrel", self.on_error, ident)
        self.contents[ident] = content
        self.set_scripts(ident, [])
        return content

    def on_error(self, _content, value, ident):
        report = json.loads(value.get_js_value().to_string())
        self.send({"event": "pageerror", "view": ident, **report})

    def set_scripts(self, ident, sources):
        content = self.contents[ident]
        content.remove_all_scripts()
        content.add_script(user_script(WATCH_ERRORS, BRIDGE_WORLD))
        for source in sources:
            content.add_script(user_script(source))

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
            self.set_scripts(command["view"], command["scripts"])
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
        self.next_ident = 1
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
        session.connect("create-web-view", lambda _session: self.new_window())

    def settings(self):
        settings = WebKit2.Settings()
        settings.set_javascript_can_open_windows_automatically(True)
        settings.set_enable_developer_extras(False)
        return settings

    def new_window(self):
        ident = self.next_ident
        self.next_ident += 1
        view = WebKit2.WebView(
            user_content_manager=self.bridge.new_content(ident),
            settings=self.settings(),
            web_context=self.context,
            is_controlled_by_automation=True,
        )
        self.show(view, ident, popup=False)
        self.bridge.send({"event": "window", "view": ident})
        return view

    # A popup shares its opener's process, automation and user content.
    def new_popup(self, opener, ident):
        view = WebKit2.WebView(related_view=opener, settings=self.settings())
        self.show(view, ident, popup=True)
        return view

    def show(self, view, ident, popup):
        view.connect("create", self.on_create, ident)
        view.connect("close", self.on_close)
        view.connect("script-dialog", lambda *_args: False)
        view.connect("resource-load-started", self.on_resource, ident, popup)
        self.bridge.views.append(view)
        window = Gtk.Window()
        window.set_default_size(1280, 720)
        window.add(view)
        window.show_all()

    def on_create(self, view, action, ident):
        popup = self.new_popup(view, ident)
        self.bridge.send({"event": "popup", "view": ident, "uri": action.get_request().get_uri()})
        return popup

    # A resource that fails to load is a console error, as Chromium reports it; a load that was
    # only cancelled (the page went on elsewhere) is none.
    def on_resource(self, view, resource, _request, ident, popup):
        def report(message):
            self.bridge.send(
                {
                    "event": "console",
                    "view": ident,
                    "message": f"Failed to load resource: {message} ({resource.get_uri()})",
                    "popup": popup,
                    "href": view.get_uri(),
                }
            )

        def finished(_resource):
            response = resource.get_response()
            if response is not None and response.get_status_code() >= 400:
                report(f"the server responded with a status of {response.get_status_code()}")

        def failed(_resource, error):
            if not error.matches(WebKit2.network_error_quark(), WebKit2.NetworkError.CANCELLED):
                report(error.message)

        resource.connect("finished", finished)
        resource.connect("failed", failed)

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
