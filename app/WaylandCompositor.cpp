// SPDX-License-Identifier: MIT
#include "app/WaylandCompositor.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <wayland-client.h>

namespace vorrel {

namespace {

struct Search {
    const char* interface;
    bool found = false;
    bool listed = false;
};

void global(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
    auto* search = static_cast<Search*>(data);
    search->found = search->found || std::strcmp(interface, search->interface) == 0;
}

void globalRemoved(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registryListener = {global, globalRemoved};

// The compositor answers a sync after all the globals it announced to the new registry.
void synced(void* data, wl_callback*, uint32_t) {
    static_cast<Search*>(data)->listed = true;
}

const wl_callback_listener syncListener = {synced};

// Reads and handles the compositor's events until the search is done or the time is up; a
// compositor that hangs must not hold Vorrel's exit, so no call here blocks for longer.
void serve(wl_display* display, const Search& search, QDeadlineTimer deadline) {
    while (!search.listed && wl_display_dispatch_pending(display) >= 0 && !search.listed) {
        if (wl_display_prepare_read(display) != 0)
            continue;
        if (wl_display_flush(display) < 0 && errno != EAGAIN) {
            wl_display_cancel_read(display);
            return;
        }
        pollfd ready{wl_display_get_fd(display), POLLIN, 0};
        const qint64 left = deadline.remainingTime();
        const int polled = left > 0 ? ::poll(&ready, 1, int(left)) : 0;
        if (polled <= 0) {
            wl_display_cancel_read(display);
            if (polled < 0 && errno == EINTR)
                continue;
            return;
        }
        if (wl_display_read_events(display) < 0)
            return;
    }
}

} // namespace

bool WaylandCompositor::inSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool WaylandCompositor::offers(const char* interface, std::chrono::milliseconds bound) {
    // Without WAYLAND_DISPLAY the library would try a default socket that may belong to another
    // session.
    if (!inSession())
        return false;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    Search search{interface};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &search);
    wl_callback* sync = wl_display_sync(display);
    wl_callback_add_listener(sync, &syncListener, &search);
    serve(display, search, QDeadlineTimer(bound));
    wl_callback_destroy(sync);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return search.listed && search.found;
}

} // namespace vorrel
