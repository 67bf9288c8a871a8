// SPDX-License-Identifier: MIT
// virtual-input: a pointer and a keyboard for tests in wlroots compositors (sway), through
// their virtual-pointer and virtual-keyboard protocols. It keeps one keyboard with the default
// keymap for as long as it runs: a headless seat has a keyboard only while a virtual one
// exists, and a client binds its keyboard only when the seat has one. One command a line on
// standard input, answered "ok" once the compositor has taken it:
//
//   move X Y            the pointer to position X, Y of a WIDTH x HEIGHT screen (the arguments)
//   button CODE 1|0     press (1) or release (0) a button, by its evdev code (BTN_LEFT 272)
//   key CODE 1|0        press or release a key, by its evdev code (KEY_ENTER 28)

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/mman.h>
#include <unistd.h>

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwp_virtual_keyboard_manager_v1* manager = nullptr;
    zwlr_virtual_pointer_manager_v1* pointers = nullptr;
};

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals->seat)
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        globals->manager = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        globals->pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}

void withdrawn(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {announced, withdrawn};

// The default keymap (evdev rules, pc105, us) as text in a file descriptor; -1 when it could
// not be made.
int defaultKeymap(uint32_t& size) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap* keymap =
        context ? xkb_keymap_new_from_names(context, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS)
                : nullptr;
    char* text = keymap ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
    int fd = -1;
    if (text) {
        size = uint32_t(std::strlen(text) + 1);
        fd = memfd_create("keymap", MFD_CLOEXEC);
        if (fd >= 0 && write(fd, text, size) != ssize_t(size)) {
            close(fd);
            fd = -1;
        }
    }
    std::free(text);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return fd;
}

uint32_t nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint32_t(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

struct Devices {
    zwp_virtual_keyboard_v1* keyboard;
    zwlr_virtual_pointer_v1* pointer;
    unsigned width;
    unsigned height;
};

// Sends one command; false when it is not one.
bool send(const Devices& devices, const char* line) {
    unsigned x = 0, y = 0, code = 0, state = 0;
    if (std::sscanf(line, "move %u %u", &x, &y) == 2) {
        zwlr_virtual_pointer_v1_motion_absolute(devices.pointer, nowMs(), x, y, devices.width,
                                                devices.height);
        zwlr_virtual_pointer_v1_frame(devices.pointer);
        return true;
    }
    if (std::sscanf(line, "button %u %u", &code, &state) == 2) {
        zwlr_virtual_pointer_v1_button(devices.pointer, nowMs(), code, state);
        zwlr_virtual_pointer_v1_frame(devices.pointer);
        return true;
    }
    if (std::sscanf(line, "key %u %u", &code, &state) == 2) {
        zwp_virtual_keyboard_v1_key(devices.keyboard, nowMs(), code, state);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: virtual-input WIDTH HEIGHT\n");
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "virtual-input: no Wayland display\n");
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.seat || !globals.manager || !globals.pointers) {
        std::fprintf(stderr, "virtual-input: the compositor offers no virtual keyboard or "
                             "pointer\n");
        return 1;
    }
    zwp_virtual_keyboard_v1* keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(globals.manager, globals.seat);
    uint32_t size = 0;
    const int keymap = defaultKeymap(size);
    if (keymap < 0) {
        std::fprintf(stderr, "virtual-input: no keymap\n");
        return 1;
    }
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, keymap, size);
    close(keymap);
    const Devices devices{
        keyboard,
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.pointers, globals.seat),
        unsigned(std::atoi(argv[1])), unsigned(std::atoi(argv[2]))};
    if (wl_display_roundtrip(display) < 0)
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
        const bool sent = send(devices, line);
        if (wl_display_roundtrip(display) < 0)
            return 1;
        std::printf(sent ? "ok\n" : "error unknown command\n");
        std::fflush(stdout);
    }
    zwlr_virtual_pointer_v1_destroy(devices.pointer);
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_disconnect(display);
    return 0;
}
