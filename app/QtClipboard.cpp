#include "app/QtClipboard.h"

#include "app/KeeperProcess.h"
#include "chrome/QtText.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QTimer>

#include <chrono>
#include <functional>

namespace vorrel {

namespace {

using namespace std::chrono_literals;

// How long the end of the program waits for a keeper to take the text over. A keeper that is
// slower still takes it, but no longer without a gap.
constexpr auto handOverTime = 5s;

// Serves the program's events until `done` holds or the time is up. The timer wakes the loop to
// look at the keeper's process, which sends no event.
void serveUntil(const std::function<bool()>& done, std::chrono::milliseconds bound) {
    const QDeadlineTimer deadline(bound);
    QTimer wake;
    wake.start(20);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents |
                                        QEventLoop::ExcludeUserInputEvents);
}

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
    if (qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        handToX11Keeper(keeper);
    // Elsewhere (Wayland, no display) nothing outlives the program's own offer.
}

// The keeper owns the selection once the program has lost it.
void QtClipboard::handToX11Keeper(const QString& keeper) {
    KeeperProcess process;
    if (!process.start(keeper, {}, text_))
        return;
    serveUntil([&process] { return !ownsClipboard() || process.exitCode().has_value(); },
               handOverTime);
}

} // namespace vorrel
