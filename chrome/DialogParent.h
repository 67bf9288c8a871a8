#pragma once

#include <QObject>

class QWidget;

namespace vorrel {

// The window the program's dialogs and pop-ups open over: a dialog already open, else the
// wizard's window while it is on the screen, else the active window. A Wayland compositor puts a
// dialog or pop-up over a window only when that window is its parent; without one it opens
// wherever the compositor likes, away from the wizard.
QWidget* dialogParent();

// While it lives, every pop-up that opens without a parent window gets dialogParent()'s: for the
// pop-ups Qt makes without one, such as the text of What's This.
class ParentedPopups : public QObject {
public:
    ParentedPopups();
    ~ParentedPopups() override;
    ParentedPopups(const ParentedPopups&) = delete;
    ParentedPopups& operator=(const ParentedPopups&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vorrel
