#include "app/QtAppWindows.h"

#include "app/ProgramLifetime.h"
#include "host/ServedCall.h"

#include <QApplication>
#include <QWindow>

#include <exception>

namespace vorrel {

void QtAppWindows::minimize() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->isMinimized()) {
            window->showMinimized();
            minimized_.append(window);
        }
    }
}

namespace {
// Restores closer together than this are a loop.
constexpr int kLoopGapMs = 1000;
// How long windows restored in a loop stay on the screen before the program goes on.
constexpr int kStayMs = 400;
} // namespace

void QtAppWindows::restore() {
    QList<QPointer<QWidget>> restored;
    restored.swap(minimized_);
    for (const QPointer<QWidget>& window : std::as_const(restored))
        if (window)
            window->showNormal();
    const bool looping = restoredBefore_ && lastRestore_.elapsed() < kLoopGapMs;
    restoredBefore_ = true;
    // Nothing to stay for when the work in between failed or the program is ending.
    const auto ending = [this] { return lifetime_ && lifetime_->ending(); };
    if (looping && !restored.isEmpty() && std::uncaught_exceptions() == 0 && !ending()) {
        QElapsedTimer shown;
        shown.start();
        // The windows must be back on the screen, and stay there for a moment.
        waitServed(kLoopGapMs, [&] {
            for (const QPointer<QWidget>& window : std::as_const(restored))
                if (window && window->windowHandle() && !window->windowHandle()->isExposed())
                    shown.restart();
            return shown.elapsed() >= kStayMs || ending();
        });
    }
    lastRestore_.restart();
}

} // namespace vorrel
