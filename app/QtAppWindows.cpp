// SPDX-License-Identifier: MIT
#include "app/QtAppWindows.h"

#include "app/ProgramLifetime.h"
#include "host/ServedCall.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWindow>

#include <exception>

namespace vorrel {

namespace {
// Restores closer together than this are a loop.
constexpr int kLoopGapMs = 1000;
// How long windows restored in a loop stay on the screen before the program goes on.
constexpr int kStayMs = 400;
// How long a window shown again may take to reach the screen.
constexpr int kMapMs = 2000;
} // namespace

QtAppWindows::MakeWay QtAppWindows::forThisWindowSystem() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
               ? MakeWay::MinimizeThenReshow
               : MakeWay::Minimize;
}

QtAppWindows::QtAppWindows(const ProgramLifetime* lifetime, MakeWay way)
    : lifetime_(lifetime), reshow_(way == MakeWay::MinimizeThenReshow) {
    lastRestore_.start();
    grace_.setSingleShot(true);
    grace_.callOnTimeout([this] { minimizeNow(); });
}

bool QtAppWindows::ending() const {
    return lifetime_ && lifetime_->ending();
}

void QtAppWindows::minimize() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && !window->isMinimized() &&
            (type == Qt::Window || type == Qt::Dialog))
            candidates_.append(window);
    }
    if (reshow_)
        grace_.start(kWaylandGraceMs);
    else
        minimizeNow();
}

void QtAppWindows::minimizeNow() {
    for (const QPointer<QWidget>& window : std::as_const(candidates_)) {
        if (window && window->isVisible()) {
            window->showMinimized();
            away_.append(window);
        }
    }
    candidates_.clear();
}

void QtAppWindows::restore() {
    grace_.stop();
    candidates_.clear();
    QList<QPointer<QWidget>> restored;
    restored.swap(away_);
    for (const QPointer<QWidget>& window : std::as_const(restored)) {
        if (!window)
            continue;
        if (reshow_)
            window->hide();
        window->showNormal();
    }
    const bool looping = restoredBefore_ && lastRestore_.elapsed() < kLoopGapMs;
    restoredBefore_ = true;
    // Nothing to wait for when the work in between failed or the program is ending.
    if (!restored.isEmpty() && std::uncaught_exceptions() == 0 && !ending())
        waitUntilOnScreen(restored, looping);
    lastRestore_.restart();
}

// The windows must be back on the screen, and in a loop stay there for a moment.
void QtAppWindows::waitUntilOnScreen(const QList<QPointer<QWidget>>& windows, bool looping) {
    QElapsedTimer shown;
    shown.start();
    const auto allShown = [&] {
        for (const QPointer<QWidget>& window : windows)
            if (window && window->windowHandle() && !window->windowHandle()->isExposed())
                return false;
        return true;
    };
    waitServed(looping ? kLoopGapMs : kMapMs, [&] {
        if (!allShown())
            shown.restart();
        else if (!looping)
            return true;
        return shown.elapsed() >= kStayMs || ending();
    });
}

} // namespace vorrel
