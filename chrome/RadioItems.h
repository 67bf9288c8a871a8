// SPDX-License-Identifier: MIT
#pragma once

class QButtonGroup;

namespace vorrel {

// A radio group's items by position, in the order they were added to the group (their order on
// screen): the chosen one, -1 when none is.
int checkedItem(const QButtonGroup& items);
void checkItem(QButtonGroup& items, int index);

} // namespace vorrel
