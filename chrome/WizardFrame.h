// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace vorrel {

class TGradientForm;

// The wizard's one top-level window. Its pages are shown in it one at a time, so moving from page
// to page never hands over from one window to the next: the window stays where the user put it,
// also on Wayland, where a compositor places every new window itself. The window takes the
// visible page's caption, size and staying above other windows; each page keeps the control that
// had the focus in it for its next showing.
class WizardFrame : public QWidget {
    Q_OBJECT

public:
    WizardFrame();

    // Hides the page shown now, then shows `page`; the first page shown opens the window, centred
    // on the screen.
    void showPage(TGradientForm* page);
    TGradientForm* shownPage() const;

    // The wizard's window while it is on the screen (else null): the parent of the program's
    // dialogs and pop-ups, so that they open over it.
    static WizardFrame* onScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    // With no control focused, the keys come to the window: they are the shown page's.
    void keyPressEvent(QKeyEvent* event) override;
    // The window system's close (a key of the desktop, its task list) is the page's close box.
    void closeEvent(QCloseEvent* event) override;

private:
    friend class TGradientForm;
    void adopt(TGradientForm* page);
    void takeLookOf(TGradientForm* page);
    void applyStaysOnTop(bool onTop);
    void giveFocusTo(TGradientForm* page);
    void centreOnScreen();

    // Held as a widget: a page being destroyed is no longer a page, yet still sends events.
    QPointer<QWidget> shown_;
    QHash<TGradientForm*, QPointer<QWidget>> lastFocus_;
    bool placed_ = false;
    bool forwarding_ = false;
};

} // namespace vorrel
