// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace vorrel {

// The Wayland compositor of the desktop session, asked over a connection of its own, so that it
// answers whether Vorrel itself runs on Wayland or as an X client of the session's XWayland.
class WaylandCompositor {
public:
    // Whether the session has one (WAYLAND_DISPLAY names it).
    static bool inSession();

    // Whether it offers the global `interface`; false when it cannot be reached or has not
    // listed its globals within `bound`.
    static bool offers(const char* interface, std::chrono::milliseconds bound);
};

} // namespace vorrel
