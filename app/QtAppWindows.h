// SPDX-License-Identifier: MIT
#pragma once

#include "app/Platform.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace vorrel {

class ProgramLifetime;

// Gets the program's visible windows out of the host's way and brings back exactly those.
//
// Where the window system lets a program undo it (X11) they are minimised and shown normal
// again. A Wayland client cannot bring back a window it has minimised, so there they are
// minimised (the user can still bring them back from the desktop, to reach Cancel) and then
// hidden and shown again, which the compositor cannot refuse. A Wayland compositor places a window
// shown again where it likes, so they go only once the host has kept the program waiting for a
// moment (a user in its Save As box): a host that answers at once never makes them move.
//
// Once back, the windows are on the screen before the program goes on, so that a question asked
// next opens over them. When they come back again soon after they last did (a host that asks to
// save over and over), they stay on the screen for a moment, so that their user can still reach
// Cancel or the close box.
class QtAppWindows : public AppWindows {
public:
    enum class MakeWay { Minimize, MinimizeThenReshow };
    // Minimize, or MinimizeThenReshow on Wayland.
    static MakeWay forThisWindowSystem();

    // `lifetime`, when given: a program that is ending does not stop for its windows.
    explicit QtAppWindows(const ProgramLifetime* lifetime = nullptr,
                          MakeWay way = forThisWindowSystem());
    void minimize() override;
    void restore() override;

    // How long a host may keep a Wayland program waiting before its windows make way.
    static constexpr int kWaylandGraceMs = 300;

private:
    void minimizeNow();
    void waitUntilOnScreen(const QList<QPointer<QWidget>>& windows, bool looping);
    bool ending() const;

    const ProgramLifetime* lifetime_;
    const bool reshow_;
    // The windows asked to make way, and those that did.
    QList<QPointer<QWidget>> candidates_;
    QList<QPointer<QWidget>> away_;
    QTimer grace_;
    QElapsedTimer lastRestore_;
    bool restoredBefore_ = false;
};

} // namespace vorrel
