// SPDX-License-Identifier: MIT
#pragma once

#include "support/WaylandSession.h"

#include <QDBusConnection>
#include <QImage>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <optional>

namespace vorrel::test {

class ProcessGroup;

// What every compositor of a session shares: a private folder, a runtime folder, the session
// bus and the test's connection to it.
struct SessionContext {
    QTemporaryDir dir;
    QString runtimeDir;
    QString busAddress;
    QDBusConnection bus{QString()};
    // The folder of the harness's own files (scripts, the shell extension), from the build.
    QString supportDir;

    // The environment a process of the session starts from: the test's own without any
    // display or bus of the desktop it runs in.
    QProcessEnvironment baseEnvironment() const;
};

// A key going down or up.
struct KeyEvent {
    Key key;
    bool pressed;
};

// One compositor: how it is started, and how it takes input, screenshots and window queries.
class CompositorDriver {
public:
    virtual ~CompositorDriver() = default;

    // Starts the compositor in `context`; an empty text when it is ready, else why not.
    virtual QString start(SessionContext& context) = 0;
    virtual void stop() = 0;

    virtual QString waylandDisplay() const = 0;
    virtual QString xDisplay() const = 0;
    // The XAUTHORITY an X client needs to connect, if any.
    virtual QString xAuthority() const { return {}; }

    virtual bool movePointer(QPoint to) = 0;
    virtual bool button(int evdevCode, bool pressed) = 0;
    // Sends the events in order, as one sequence.
    virtual bool keys(const QList<KeyEvent>& events) = 0;

    virtual std::optional<QPoint> pointer() = 0;
    // Whether no window is being moved or resized by the compositor now: a drag that moved a
    // window has ended only then.
    virtual bool settled() { return true; }
    // Whether a press now would reach the window under the pointer, where the compositor may
    // not let it yet (a window just mapped).
    virtual bool windowAtPointer() { return true; }
    virtual QImage screenshot() = 0;
    virtual std::optional<QList<ToplevelWindow>> windows() = 0;
};

} // namespace vorrel::test
