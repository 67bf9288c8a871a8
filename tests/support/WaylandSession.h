// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <memory>
#include <optional>

namespace vorrel::test {

enum class Compositor { KWin, GnomeShell, Sway };

// How a client of the session talks to it: as a Wayland client, or as an X client of the
// compositor's XWayland.
enum class ClientMode { Native, XWayland };

// A top-level window as the compositor has it, for Wayland and X clients alike.
struct ToplevelWindow {
    QString title;
    QRect frame;          // in screen coordinates
    bool shown = false;   // mapped, not minimised or hidden
    bool focused = false; // has the keyboard focus
    qint64 pid = 0;
    bool x11 = false; // a client of the compositor's XWayland
};

// A key by both of the names the compositors' input paths know: the evdev code and the X
// keysym name.
struct Key {
    int evdev;
    const char* keysym;
};

namespace keys {
inline constexpr Key Enter{28, "Return"};
inline constexpr Key Escape{1, "Escape"};
inline constexpr Key Tab{15, "Tab"};
inline constexpr Key Down{108, "Down"};
inline constexpr Key Up{103, "Up"};
inline constexpr Key Space{57, "space"};
inline constexpr Key F1{59, "F1"};
inline constexpr Key Shift{42, "Shift_L"};
inline constexpr Key Alt{56, "Alt_L"};
inline constexpr Key Control{29, "Control_L"};
} // namespace keys

class CompositorDriver;
struct SessionContext;
struct SessionBus;

// One compositor of the test's own, on a private session bus and a private runtime folder,
// with its XWayland. It gives clients their environment, drives the pointer and the keyboard,
// takes screenshots and reports the compositor's windows. Every call waits for the compositor
// to have taken the request, within a time-out, and says whether it did.
class WaylandSession {
public:
    explicit WaylandSession(Compositor compositor);
    ~WaylandSession();
    WaylandSession(const WaylandSession&) = delete;
    WaylandSession& operator=(const WaylandSession&) = delete;

    // Starts the buses, the compositor and its XWayland, and waits until they answer. Returns
    // an empty text when the session is ready, else why it is not.
    QString start();
    void stop();

    Compositor compositor() const { return compositor_; }
    static QString name(Compositor compositor);
    QSize screenSize() const { return {1280, 720}; }

    // For a program started in the session: the session's bus and runtime folder, the
    // compositor's Wayland socket and its XWayland display, and the Qt platform of `mode`.
    QProcessEnvironment environment(ClientMode mode) const;
    // The test's own connection to the session's bus.
    QDBusConnection bus() const;
    QString runtimeDir() const;

    bool movePointer(QPoint to);
    bool pressButton(Qt::MouseButton button = Qt::LeftButton);
    bool releaseButton(Qt::MouseButton button = Qt::LeftButton);
    bool click(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    bool rightClick(QPoint at) { return click(at, Qt::RightButton); }
    // Press at `from`, move to `to` in `steps` steps, release there; true once the compositor
    // has ended any move of a window that the drag started.
    bool drag(QPoint from, QPoint to, int steps = 16);
    // Presses the modifiers, taps `key`, releases the modifiers.
    bool tapKey(Key key, std::initializer_list<Key> modifiers = {});

    // Where the compositor has the pointer; none where it does not tell.
    std::optional<QPoint> pointer();
    // The whole screen; a null image when the compositor gave none.
    QImage screenshot();
    // Every top-level window; none when the compositor did not answer.
    std::optional<QList<ToplevelWindow>> windows();

private:
    bool button(Qt::MouseButton button, bool pressed);

    Compositor compositor_;
    std::unique_ptr<SessionContext> context_;
    std::unique_ptr<SessionBus> bus_;
    std::unique_ptr<CompositorDriver> driver_;
};

} // namespace vorrel::test
