// SPDX-License-Identifier: MIT
#pragma once

#include "app/Platform.h"

#include <QString>

namespace vorrel {

// The desktop's clipboard; the text replaces whatever it held.
class QtClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;

    // As the program ends: the text it put on the clipboard, if it is still there, stays there.
    // A keeper takes it over before the program's own offer goes, and goes on offering it until
    // another program takes the clipboard: on Wayland `wl-copy`, over the compositor's
    // data-control protocol; on X11 `keeper` (a small program of Vorrel's own), which also hands
    // the text to a clipboard manager that will keep it. Waits a few seconds at most, serving
    // the program's events; a keeper that does not start changes nothing.
    void keepAfterExit(const QString& keeper);

private:
    bool handToWaylandKeeper();
    void handToX11Keeper(const QString& keeper);

    std::string text_;
};

} // namespace vorrel
