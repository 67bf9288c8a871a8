// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace vorrel {

// The window the program's dialogs and pop-ups open over: a dialog already open, else the
// wizard's window while it is on the screen, else the active window. A Wayland compositor puts a
// dialog or pop-up over a window only when that window is its parent; without one it opens
// wherever the compositor likes, away from the wizard.
QWidget* dialogParent();

// While it lives, the dialogs and pop-ups that open are placed over the wizard: a pop-up that
// opens without a parent window (Qt makes the text of What's This so) gets dialogParent()'s, and
// a modal dialog is announced as modal to a compositor that places it over its parent only then
// (GNOME Shell).
class PlacedOverWizard : public QObject {
public:
    PlacedOverWizard();
    ~PlacedOverWizard() override;
    PlacedOverWizard(const PlacedOverWizard&) = delete;
    PlacedOverWizard& operator=(const PlacedOverWizard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vorrel
