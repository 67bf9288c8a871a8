#include "host/ServedCall.h"

#include "app/Errors.h"
#include "app/ProgramLifetime.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <limits>

namespace vorrel {

namespace {

// Drops the user's input to every window for as long as it lives.
class InputHold : public QObject {
public:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputHold() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
        }
    }
};

// libdbus reads the largest time-out as "wait for ever".
constexpr int kForever = std::numeric_limits<int>::max();
// The bus's own time-out runs on a coarse timer that may fire a little early; it is set this
// much later than the wait's own precise one, which decides.
constexpr int kBusTimeoutMargin = 1000;

} // namespace

QDBusMessage callServed(QDBusConnection& bus, const QDBusMessage& call, int timeoutMs,
                        const ProgramLifetime* lifetime) {
    if (lifetime && lifetime->ending())
        throw Terminated{};
    QDBusPendingCall pending =
        bus.asyncCall(call, timeoutMs < 0 ? kForever : timeoutMs + kBusTimeoutMargin);
    bool timedOut = false;
    if (!pending.isFinished()) {
        QDBusPendingCallWatcher watcher(pending);
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        QTimer timeout;
        timeout.setTimerType(Qt::PreciseTimer);
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        if (timeoutMs >= 0)
            timeout.start(timeoutMs);
        InputHold hold;
        loop.exec();
        // The loop also ends when the program is asked to end.
        if (!pending.isFinished() && !timedOut)
            throw Terminated{};
    }
    if (lifetime && lifetime->ending())
        throw Terminated{};
    if (timedOut && !pending.isFinished())
        return call.createErrorReply(QDBusError::NoReply,
                                     QStringLiteral("No answer within %1 ms").arg(timeoutMs));
    return pending.reply();
}

} // namespace vorrel
