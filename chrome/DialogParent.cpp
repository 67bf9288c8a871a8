#include "chrome/DialogParent.h"

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

ParentedPopups::ParentedPopups() {
    qApp->installEventFilter(this);
}

ParentedPopups::~ParentedPopups() {
    qApp->removeEventFilter(this);
}

// A widget's show event comes before its window reaches the window system, which is when the
// window's parent decides where it opens.
bool ParentedPopups::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->isWindow() || widget->windowType() != Qt::Popup)
        return false;
    QWindow* window = widget->windowHandle();
    QWidget* parent = dialogParent();
    if (window && !window->transientParent() && parent && parent != widget &&
        parent->windowHandle())
        window->setTransientParent(parent->windowHandle());
    return false;
}

} // namespace vorrel
