// SPDX-License-Identifier: MIT
#include "chrome/RadioItems.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace vorrel {

int checkedItem(const QButtonGroup& items) {
    return int(items.buttons().indexOf(items.checkedButton()));
}

void checkItem(QButtonGroup& items, int index) {
    const QList<QAbstractButton*> buttons = items.buttons();
    if (index >= 0 && index < buttons.size())
        buttons[index]->setChecked(true);
}

} // namespace vorrel
