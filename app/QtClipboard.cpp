// SPDX-License-Identifier: MIT
#include "app/QtClipboard.h"

#include "app/KeeperProcess.h"
#include "app/WaylandCompositor.h"
#include "chrome/QtText.h"
#include "host/ServedCall.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStandardPaths>

#include <chrono>

namespace vorrel {

namespace {

using namespace std::chrono_literals;

// How long the end of the program waits for a keeper to take the text over. A keeper that is
// slower still takes it, but no longer without a gap.
constexpr int kHandOverMs = 5000;

// The Wayland protocol that lets a client without a window own the clipboard. wl-copy would
// otherwise open a window of its own to get the keyboard's focus for a moment.
constexpr const char* dataControl = "zwlr_data_control_manager_v1";

bool ownsClipboard() {
    return QGuiApplication::clipboard()->ownsClipboard();
}

} // namespace

void QtClipboard::setText(const std::string& text) {
    text_ = text;
    QGuiApplication::clipboard()->setText(toQString(text), QClipboard::Clipboard);
}

void QtClipboard::keepAfterExit(const QString& keeper) {
    if (text_.empty() || !ownsClipboard())
        return;
    // A Wayland session keeps the text on the Wayland side, where both its own programs and
    // XWayland's find it, also when Vorrel is an X client there.
    if (WaylandCompositor::inSession() && handToWaylandKeeper())
        return;
    if (qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        handToX11Keeper(keeper);
    // Elsewhere (native Wayland without data-control, such as GNOME Shell, which keeps the text
    // itself) nothing outlives the program's own offer.
}

// wl-copy leaves its first process once the compositor holds its offer and goes on in the
// background. The type is given, so that text that looks like HTML is still offered as text.
bool QtClipboard::handToWaylandKeeper() {
    const QString wlCopy = QStandardPaths::findExecutable(QStringLiteral("wl-copy"));
    if (wlCopy.isEmpty() || !WaylandCompositor::offers(dataControl, 2s))
        return false;
    KeeperProcess copy;
    if (!copy.start(wlCopy, {QStringLiteral("--type"), QStringLiteral("text/plain;charset=utf-8")},
                    text_))
        return false;
    // The keeper's process sends no event: waitServed looks at it as it polls.
    waitServed(kHandOverMs, [&copy] { return copy.exitCode().has_value(); });
    return copy.exitCode() == 0;
}

// The keeper owns the selection once the program has lost it.
void QtClipboard::handToX11Keeper(const QString& keeper) {
    KeeperProcess process;
    if (!process.start(keeper, {}, text_))
        return;
    waitServed(kHandOverMs,
               [&process] { return !ownsClipboard() || process.exitCode().has_value(); });
}

} // namespace vorrel
