// SPDX-License-Identifier: MIT
#pragma once

#include "pages/EntryList.h"

#include <QListWidget>
#include <QMenu>
#include <QObject>

#include <functional>
#include <vector>

namespace vorrel {

// A builder page's list of entries on screen: one line per entry, in the order the entries are
// generated. The Delete key in the list (with any modifier) and the list's right-click menu
// ("Delete", "Move Up", "Move Down") act on the selected line.
class EntryListControl : public QObject {
    Q_OBJECT

public:
    // `remove` and `move` are the page's handlers; each runs guarded by the page.
    EntryListControl(QListWidget* list, std::function<void()> remove,
                     std::function<void(int delta)> move);

    // The selected line, -1 when none is.
    int selectedRow() const;

    // Removes the selected entry and its line; the line that followed it is selected, none when
    // it was the last. Nothing happens when no line is selected.
    template <typename Entry> void removeSelected(std::vector<Entry>& entries) {
        const int row = selectedRow();
        if (row < 0)
            return;
        const int next = removeEntry(entries, row);
        delete list_->takeItem(row);
        select(next);
    }

    // Moves the selected entry and its line one place up (-1) or down (+1); it stays selected.
    template <typename Entry> void moveSelected(std::vector<Entry>& entries, int delta) {
        const int row = selectedRow();
        const int target = moveEntry(entries, row, delta);
        if (target < 0)
            return;
        list_->insertItem(target, list_->takeItem(row));
        select(target);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void select(int row);
    void showMenu(const QPoint& at);

    QListWidget* list_;
    // A child of the list, so that it opens over the wizard's window.
    QMenu* menu_;
    std::function<void()> remove_;
    std::function<void(int)> move_;
};

} // namespace vorrel
