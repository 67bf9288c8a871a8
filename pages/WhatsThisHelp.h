// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>
#include <QObject>

class QAction;
class QWidget;

namespace vorrel {

class Help;

// "What's This?" on a page. A right-click on a control that carries a help topic in its dynamic
// property "tag" remembers that topic and offers "What's This?" just below and right of the mouse;
// choosing it shows the topic as a pop-up, or nothing for topic 0. A control with a context menu
// of its own (a radio group) keeps that menu instead. Other mouse buttons change nothing.
// Shift+F1 shows the topic of the focused control (or of the group it is in) at the control.
class WhatsThisHelp : public QObject {
    Q_OBJECT

public:
    WhatsThisHelp(QWidget* page, QAction* whatsThis, Help& help);

    int helpContext() const { return helpContext_; }
    void setHelpContext(int topic) { helpContext_ = topic; }

    // The menu's "What's This?".
    void WhatsThis1Click();
    // Shift+F1.
    void whatsThisOfFocus();

protected:
    // The right mouse button going down on a tagged control.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* page_;
    Help& help_;
    QMenu* pm1_;
    int helpContext_ = 0;
};

} // namespace vorrel
