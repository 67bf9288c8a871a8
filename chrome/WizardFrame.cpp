// SPDX-License-Identifier: MIT
#include "chrome/WizardFrame.h"

#include "chrome/TGradientForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QWindow>

namespace vorrel {

namespace {
QPointer<WizardFrame> latest;
} // namespace

WizardFrame::WizardFrame()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("WizardFrame"));
    latest = this;
    // A page keeps the control the user left it on.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QWidget* w = now; w && w != this; w = w->parentWidget())
            if (auto* page = qobject_cast<TGradientForm*>(w); page && page->parentWidget() == this)
                lastFocus_[page] = now;
    });
}

TGradientForm* WizardFrame::shownPage() const {
    return qobject_cast<TGradientForm*>(shown_.data());
}

WizardFrame* WizardFrame::onScreen() {
    return latest && latest->isVisible() ? latest.data() : nullptr;
}

// The page is already a child of the window; hidden explicitly, it stays so when the window is
// shown, until it is shown itself.
void WizardFrame::adopt(TGradientForm* page) {
    page->hide();
    page->installEventFilter(this);
}

void WizardFrame::showPage(TGradientForm* page) {
    for (QObject* child : children())
        if (auto* other = qobject_cast<TGradientForm*>(child); other && other != page)
            other->hide();
    shown_ = page;
    takeLookOf(page);
    page->show();
    if (!isVisible()) {
        if (!placed_)
            centreOnScreen();
        placed_ = true;
        show();
    }
    giveFocusTo(page);
    if (!isActiveWindow())
        activateWindow();
}

void WizardFrame::takeLookOf(TGradientForm* page) {
    setWindowTitle(page->windowTitle());
    setFixedSize(page->size());
    applyStaysOnTop(page->staysOnTop());
}

// Changing the flag through the window itself keeps it where it is; a widget's new flags would
// make a new window, which a Wayland compositor places anew.
void WizardFrame::applyStaysOnTop(bool onTop) {
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (flags == windowFlags())
        return;
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle())
        window->setFlags(flags);
}

void WizardFrame::giveFocusTo(TGradientForm* page) {
    QWidget* target = lastFocus_.value(page);
    const auto takes = [page](QWidget* w) {
        return w && page->isAncestorOf(w) && w->isVisibleTo(page) && w->isEnabled() &&
               (w->focusPolicy() & Qt::TabFocus);
    };
    if (!takes(target)) {
        // A page shown the first time starts on the first control of its tab order.
        target = nullptr;
        for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
            if (takes(w)) {
                target = w;
                break;
            }
        }
    }
    if (target)
        target->setFocus(Qt::TabFocusReason);
}

void WizardFrame::centreOnScreen() {
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

bool WizardFrame::eventFilter(QObject* watched, QEvent* event) {
    if (TGradientForm* page = shownPage(); page && watched == page) {
        switch (event->type()) {
        case QEvent::WindowTitleChange:
        case QEvent::Resize:
            takeLookOf(page);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool WizardFrame::event(QEvent* event) {
    // The page draws the caption bar, in the window's state.
    if (event->type() == QEvent::WindowStateChange && shown_)
        shown_->update();
    return QWidget::event(event);
}

void WizardFrame::keyPressEvent(QKeyEvent* event) {
    QWidget* focused = QApplication::focusWidget();
    // A key the page leaves comes back here on its way up.
    if (shown_ && !forwarding_ && (!focused || focused == this)) {
        forwarding_ = true;
        QCoreApplication::sendEvent(shown_, event);
        forwarding_ = false;
        return;
    }
    QWidget::keyPressEvent(event);
}

void WizardFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (shown_)
        shown_->close();
}

} // namespace vorrel
