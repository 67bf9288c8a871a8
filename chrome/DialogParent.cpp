// SPDX-License-Identifier: MIT
#include "chrome/DialogParent.h"

#include "chrome/ModalOnWayland.h"
#include "chrome/WizardFrame.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace vorrel {

QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (WizardFrame* frame = WizardFrame::onScreen())
        return frame;
    return QApplication::activeWindow();
}

namespace {

// Tells the compositor that a dialog is modal just before its first picture, which is when the
// compositor places it: by then the window system has a window for it to tell about.
class AnnouncedModal : public QObject {
public:
    explicit AnnouncedModal(QWindow* dialog) : QObject(dialog) { dialog->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            auto* dialog = static_cast<QWindow*>(watched);
            dialog->removeEventFilter(this);
            tellCompositorItIsModal(dialog);
            deleteLater();
        }
        return false;
    }
};

void giveParent(QWindow* popup) {
    QWidget* parent = dialogParent();
    if (!popup->transientParent() && parent && parent->windowHandle() &&
        parent->windowHandle() != popup)
        popup->setTransientParent(parent->windowHandle());
}

} // namespace

PlacedOverWizard::PlacedOverWizard() {
    qApp->installEventFilter(this);
}

PlacedOverWizard::~PlacedOverWizard() {
    qApp->removeEventFilter(this);
}

// A widget's show event comes before its window reaches the window system, which is when the
// window's parent decides where it opens.
bool PlacedOverWizard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    QWindow* window = widget && widget->isWindow() ? widget->windowHandle() : nullptr;
    if (!window)
        return false;
    if (widget->windowType() == Qt::Popup)
        giveParent(window);
    else if (widget->isModal() && window->transientParent())
        new AnnouncedModal(window);
    return false;
}

} // namespace vorrel
