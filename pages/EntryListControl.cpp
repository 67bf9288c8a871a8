// SPDX-License-Identifier: MIT
#include "pages/EntryListControl.h"

#include <QKeyEvent>

namespace vorrel {

EntryListControl::EntryListControl(QListWidget* list, std::function<void()> remove,
                                   std::function<void(int delta)> move)
    : QObject(list), list_(list), menu_(new QMenu(list)), remove_(std::move(remove)),
      move_(std::move(move)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->installEventFilter(this);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, &EntryListControl::showMenu);

    menu_->setObjectName(list_->objectName() + QStringLiteral("Menu"));
    QAction* deleteAction = menu_->addAction(tr("Delete"), this, [this] { remove_(); });
    deleteAction->setObjectName(QStringLiteral("Delete"));
    deleteAction->setShortcut(QKeySequence::Delete);
    menu_->addAction(tr("Move Up"), this, [this] { move_(-1); })->setObjectName("MoveUp");
    menu_->addAction(tr("Move Down"), this, [this] { move_(+1); })->setObjectName("MoveDown");
}

int EntryListControl::selectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void EntryListControl::select(int row) {
    if (row < 0) {
        list_->clearSelection();
        return;
    }
    list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

bool EntryListControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        remove_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void EntryListControl::showMenu(const QPoint& at) {
    // The menu acts on the line under the mouse, as a right-click selects it first.
    if (QListWidgetItem* item = list_->itemAt(at))
        select(list_->row(item));
    const int row = selectedRow();
    const QList<QAction*> actions = menu_->actions();
    actions[0]->setEnabled(row >= 0);
    actions[1]->setEnabled(row > 0);
    actions[2]->setEnabled(row >= 0 && row + 1 < list_->count());
    menu_->popup(list_->viewport()->mapToGlobal(at));
}

} // namespace vorrel
