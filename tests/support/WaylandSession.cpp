// SPDX-License-Identifier: MIT
#include "support/WaylandSession.h"

#include "support/wayland/CompositorDriver.h"
#include "support/wayland/GnomeShellDriver.h"
#include "support/wayland/KWinDriver.h"
#include "support/wayland/ProcessGroup.h"
#include "support/wayland/SwayDriver.h"

#include <QDir>
#include <QtTest>

namespace vorrel::test {

namespace {

constexpr int kBtnLeft = 0x110;
constexpr int kBtnRight = 0x111;
constexpr int kBtnMiddle = 0x112;

int evdevButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return kBtnRight;
    case Qt::MiddleButton:
        return kBtnMiddle;
    default:
        return kBtnLeft;
    }
}

std::unique_ptr<CompositorDriver> driverFor(Compositor compositor) {
    switch (compositor) {
    case Compositor::KWin:
        return std::make_unique<KWinDriver>();
    case Compositor::GnomeShell:
        return std::make_unique<GnomeShellDriver>();
    case Compositor::Sway:
        return std::make_unique<SwayDriver>();
    }
    return nullptr;
}

} // namespace

// The session's own bus, with the daemon that serves it.
struct SessionBus {
    ProcessGroup daemon;
};

QProcessEnvironment SessionContext::baseEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORM",
                             "DBUS_SESSION_BUS_ADDRESS", "DBUS_SYSTEM_BUS_ADDRESS", "SWAYSOCK",
                             "XDG_CURRENT_DESKTOP", "XDG_SESSION_TYPE", "DESKTOP_SESSION"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    return env;
}

WaylandSession::WaylandSession(Compositor compositor) : compositor_(compositor) {}

WaylandSession::~WaylandSession() {
    stop();
}

QString WaylandSession::name(Compositor compositor) {
    switch (compositor) {
    case Compositor::KWin:
        return QStringLiteral("kwin");
    case Compositor::GnomeShell:
        return QStringLiteral("gnome-shell");
    case Compositor::Sway:
        return QStringLiteral("sway");
    }
    return {};
}

QString WaylandSession::start() {
    stop();
    context_ = std::make_unique<SessionContext>();
    if (!context_->dir.isValid())
        return QStringLiteral("no temporary folder");
    context_->supportDir = QStringLiteral(VORREL_WAYLAND_SUPPORT_DIR);
    context_->runtimeDir = context_->dir.filePath(QStringLiteral("runtime"));
    if (!QDir().mkpath(context_->runtimeDir) ||
        !QFile::setPermissions(context_->runtimeDir,
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return QStringLiteral("no runtime folder");
    bus_ = std::make_unique<SessionBus>();
    context_->busAddress =
        startBus(bus_->daemon, {QStringLiteral("--session")}, context_->baseEnvironment());
    if (context_->busAddress.isEmpty())
        return QStringLiteral("the session bus did not start");
    static int connections = 0;
    context_->bus = QDBusConnection::connectToBus(
        context_->busAddress, QStringLiteral("wayland-session-%1").arg(++connections));
    if (!context_->bus.isConnected())
        return QStringLiteral("no connection to the session bus");
    driver_ = driverFor(compositor_);
    const QString failure = driver_->start(*context_);
    if (!failure.isEmpty())
        return name(compositor_) + QStringLiteral(": ") + failure;
    return {};
}

void WaylandSession::stop() {
    if (driver_)
        driver_->stop();
    driver_.reset();
    if (context_ && context_->bus.isConnected())
        QDBusConnection::disconnectFromBus(context_->bus.name());
    bus_.reset();
    context_.reset();
}

QProcessEnvironment WaylandSession::environment(ClientMode mode) const {
    QProcessEnvironment env = context_->baseEnvironment();
    // As in a desktop session, both displays are there; the platform picks one.
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), driver_->waylandDisplay());
    if (!driver_->xDisplay().isEmpty())
        env.insert(QStringLiteral("DISPLAY"), driver_->xDisplay());
    if (!driver_->xAuthority().isEmpty())
        env.insert(QStringLiteral("XAUTHORITY"), driver_->xAuthority());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               mode == ClientMode::Native ? QStringLiteral("wayland") : QStringLiteral("xcb"));
    return env;
}

QDBusConnection WaylandSession::bus() const {
    return context_->bus;
}

QString WaylandSession::runtimeDir() const {
    return context_->runtimeDir;
}

bool WaylandSession::movePointer(QPoint to) {
    if (!driver_->movePointer(to))
        return false;
    // Where the compositor tells, the pointer must be there before anything else is sent.
    if (!driver_->pointer())
        return true;
    return QTest::qWaitFor([&] { return driver_->pointer() == to; }, 5000);
}

bool WaylandSession::button(Qt::MouseButton button, bool pressed) {
    // Every press of the tests is on a window; one not yet under the pointer for the
    // compositor would get a press meant for it on whatever is below it.
    if (pressed && !QTest::qWaitFor([this] { return driver_->windowAtPointer(); }, 3000))
        qWarning("the compositor has no window under the pointer at the press");
    return driver_->button(evdevButton(button), pressed);
}

bool WaylandSession::pressButton(Qt::MouseButton which) {
    return button(which, true);
}

bool WaylandSession::releaseButton(Qt::MouseButton which) {
    return button(which, false);
}

bool WaylandSession::click(QPoint at, Qt::MouseButton which) {
    return movePointer(at) && button(which, true) && button(which, false);
}

bool WaylandSession::drag(QPoint from, QPoint to, int steps) {
    if (!movePointer(from) || !button(Qt::LeftButton, true))
        return false;
    bool moved = movePointer(from + (to - from) / steps);
    // A window that the press began to move follows the pointer only once the compositor has
    // started the move; motion before that is lost, and a busy machine may take seconds to start
    // it. A drag that moves no window goes on after the wait.
    if (!QTest::qWaitFor([this] { return !driver_->settled(); }, 5000))
        qInfo("the drag moves no window");
    for (int i = 2; i <= steps && moved; ++i)
        moved = movePointer(from + (to - from) * i / steps);
    return button(Qt::LeftButton, false) && moved &&
           QTest::qWaitFor([this] { return driver_->settled(); }, 5000);
}

bool WaylandSession::tapKey(Key key, std::initializer_list<Key> modifiers) {
    QList<KeyEvent> events;
    for (const Key& modifier : modifiers)
        events.append({modifier, true});
    events.append({key, true});
    events.append({key, false});
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        events.append({*it, false});
    return driver_->keys(events);
}

std::optional<QPoint> WaylandSession::pointer() {
    return driver_->pointer();
}

QImage WaylandSession::screenshot() {
    return driver_->screenshot();
}

std::optional<QList<ToplevelWindow>> WaylandSession::windows() {
    return driver_->windows();
}

} // namespace vorrel::test
