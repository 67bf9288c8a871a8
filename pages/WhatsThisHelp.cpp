#include "pages/WhatsThisHelp.h"

#include "app/Platform.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

namespace vorrel {

WhatsThisHelp::WhatsThisHelp(QWidget* page, QAction* whatsThis, Help& help)
    : QObject(page), help_(help) {
    pm1_.setObjectName(QStringLiteral("pm1"));
    pm1_.addAction(whatsThis);
    for (QWidget* control : page->findChildren<QWidget*>()) {
        if (!control->property("tag").isValid() ||
            control->contextMenuPolicy() == Qt::ActionsContextMenu)
            continue;
        control->installEventFilter(this);
        // The help menu is the control's only context menu; an edit's own menu would open
        // after it.
        control->setContextMenuPolicy(Qt::PreventContextMenu);
    }
}

bool WhatsThisHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress ||
        static_cast<QMouseEvent*>(event)->button() != Qt::RightButton)
        return false;
    helpContext_ = watched->property("tag").toInt();
    pm1_.popup(QCursor::pos() + QPoint(2, 2));
    return true;
}

void WhatsThisHelp::WhatsThis1Click() {
    if (helpContext_ != 0)
        help_.showPopup(helpContext_);
}

} // namespace vorrel
