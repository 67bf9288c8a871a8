// SPDX-License-Identifier: MIT
#include "host/ServedCall.h"

#include "app/Errors.h"
#include "app/ProgramLifetime.h"
#include "chrome/WayOut.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace vorrel {

namespace {

// Drops the user's input to every window for as long as it lives, but for the ways out.
class InputHold : public QObject {
public:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputHold() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // The window system's click reaches the window first, which hands it on to the
            // widget under the mouse: it is held back or let through there.
            return receiver->isWidgetType() && !isWayOut(receiver, event);
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

// One call on its way: its answer, or its own time-out, whichever comes first.
struct Pending {
    QDBusPendingCall call;
    qint64 sentAtNs = 0;
    std::unique_ptr<QDBusPendingCallWatcher> watcher;
    bool settled = false;
};

} // namespace

void callAllServed(QDBusConnection& bus, const QList<QDBusMessage>& calls, int timeoutMs,
                   const ProgramLifetime* lifetime,
                   const std::function<bool(qsizetype, const QDBusMessage&)>& replied) {
    if (lifetime && lifetime->ending())
        throw Terminated{};
    QElapsedTimer clock;
    clock.start();
    std::vector<Pending> pending;
    pending.reserve(std::size_t(calls.size()));
    for (const QDBusMessage& call : calls)
        pending.push_back(
            {bus.asyncCall(call, timeoutMs < 0 ? kForever : timeoutMs + kBusTimeoutMargin),
             clock.nsecsElapsed(), nullptr});

    QEventLoop loop;
    qsizetype open = calls.size();
    bool done = false;
    const auto settle = [&](qsizetype index, const QDBusMessage& reply) {
        Pending& p = pending[std::size_t(index)];
        if (p.settled || done)
            return;
        p.settled = true;
        --open;
        done = replied(index, reply) || open == 0;
        if (done)
            loop.quit();
    };
    for (qsizetype i = 0; i < calls.size() && !done; ++i) {
        Pending& p = pending[std::size_t(i)];
        if (p.call.isFinished()) {
            settle(i, p.call.reply());
            continue;
        }
        p.watcher = std::make_unique<QDBusPendingCallWatcher>(p.call);
        QObject::connect(p.watcher.get(), &QDBusPendingCallWatcher::finished, &loop,
                         [&settle, &p, i] { settle(i, p.call.reply()); });
    }
    // One timer serves every call's own time-out: it fires when the earliest open call's time
    // is up, times out each call whose time is up, and waits on for the next one.
    const qint64 timeoutNs = qint64(timeoutMs) * 1000000;
    QTimer deadline;
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.setSingleShot(true);
    const auto waitForNextTimeout = [&] {
        for (const Pending& p : pending)
            if (!p.settled) {
                const qint64 leftNs = p.sentAtNs + timeoutNs - clock.nsecsElapsed();
                deadline.start(int(std::max<qint64>(0, (leftNs + 999999) / 1000000)));
                return;
            }
    };
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        const qint64 now = clock.nsecsElapsed();
        for (qsizetype i = 0; i < calls.size() && !done; ++i)
            if (!pending[std::size_t(i)].settled &&
                now - pending[std::size_t(i)].sentAtNs >= timeoutNs)
                settle(i, calls[i].createErrorReply(
                              QDBusError::NoReply,
                              QStringLiteral("No answer within %1 ms").arg(timeoutMs)));
        if (!done)
            waitForNextTimeout();
    });
    if (timeoutMs >= 0 && !done)
        waitForNextTimeout();
    if (!done && open > 0) {
        InputHold hold;
        loop.exec();
        // The loop also ends when the program is asked to end.
        if (!done)
            throw Terminated{};
    }
    if (lifetime && lifetime->ending())
        throw Terminated{};
}

void waitServed(int timeoutMs, const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(10);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (done())
        return;
    InputHold hold;
    loop.exec();
}

QDBusMessage callServed(QDBusConnection& bus, const QDBusMessage& call, int timeoutMs,
                        const ProgramLifetime* lifetime) {
    QDBusMessage answer;
    callAllServed(bus, {call}, timeoutMs, lifetime,
                  [&answer](qsizetype, const QDBusMessage& reply) {
                      answer = reply;
                      return true;
                  });
    return answer;
}

} // namespace vorrel
