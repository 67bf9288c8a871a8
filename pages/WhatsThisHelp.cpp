// SPDX-License-Identifier: MIT
#include "pages/WhatsThisHelp.h"

#include "app/Platform.h"

#include <QMouseEvent>
#include <QShortcut>
#include <QWidget>

namespace vorrel {

WhatsThisHelp::WhatsThisHelp(QWidget* page, QAction* whatsThis, Help& help)
    : QObject(page), page_(page), help_(help), pm1_(new QMenu(page)) {
    auto* shiftF1 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), page);
    connect(shiftF1, &QShortcut::activated, this, &WhatsThisHelp::whatsThisOfFocus);
    pm1_->setObjectName(QStringLiteral("pm1"));
    pm1_->addAction(whatsThis);
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
    // Where the mouse is, as the click tells it: a Wayland client knows the pointer only from
    // the events on its own windows.
    pm1_->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() + QPoint(2, 2));
    return true;
}

void WhatsThisHelp::whatsThisOfFocus() {
    for (QWidget* control = page_->focusWidget(); control && control != page_;
         control = control->parentWidget()) {
        if (!control->property("tag").isValid())
            continue;
        helpContext_ = control->property("tag").toInt();
        if (helpContext_ != 0) {
            const QPoint at = control->mapToGlobal(control->rect().center());
            help_.showPopupAt(helpContext_, at.x(), at.y());
        }
        return;
    }
}

void WhatsThisHelp::WhatsThis1Click() {
    if (helpContext_ != 0)
        help_.showPopup(helpContext_);
}

} // namespace vorrel
