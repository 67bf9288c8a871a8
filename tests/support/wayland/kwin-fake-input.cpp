// SPDX-License-Identifier: MIT
// kwin-fake-input: pointer and key events for KWin through its fake-input protocol, for tests.
// One command a line on standard input; each is answered "ok" once the compositor has taken it
// (after a round trip), or "error ..." when it could not be sent:
//
//   move X Y            the pointer to screen position X, Y
//   button CODE 1|0     press (1) or release (0) a button, by its evdev code (BTN_LEFT 272)
//   key CODE 1|0        press or release a key, by its evdev code (KEY_ENTER 28)
//
// It ends at the end of its input or when the compositor goes.

#include "fake-input-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Globals {
    org_kde_kwin_fake_input* input = nullptr;
    uint32_t version = 0;
};

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface,
               uint32_t version) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) != 0)
        return;
    globals->version = std::min<uint32_t>(version, 4);
    globals->input = static_cast<org_kde_kwin_fake_input*>(
        wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, globals->version));
}

void withdrawn(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {announced, withdrawn};

// Sends one command; false when it is not one this compositor takes.
bool send(const Globals& globals, const char* line) {
    double x = 0, y = 0;
    unsigned code = 0, state = 0;
    if (std::sscanf(line, "move %lf %lf", &x, &y) == 2 && globals.version >= 3) {
        org_kde_kwin_fake_input_pointer_motion_absolute(globals.input, wl_fixed_from_double(x),
                                                        wl_fixed_from_double(y));
        return true;
    }
    if (std::sscanf(line, "button %u %u", &code, &state) == 2) {
        org_kde_kwin_fake_input_button(globals.input, code, state);
        return true;
    }
    if (std::sscanf(line, "key %u %u", &code, &state) == 2 && globals.version >= 4) {
        org_kde_kwin_fake_input_keyboard_key(globals.input, code, state);
        return true;
    }
    return false;
}

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "kwin-fake-input: no Wayland display\n");
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.input) {
        std::fprintf(stderr, "kwin-fake-input: the compositor offers no fake input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(globals.input, "Vorrel tests", "drives the wizard");
    std::printf("ready %u\n", globals.version);
    std::fflush(stdout);
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
        const bool sent = send(globals, line);
        if (wl_display_roundtrip(display) < 0)
            return 1;
        std::printf(sent ? "ok\n" : "error unknown command\n");
        std::fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
