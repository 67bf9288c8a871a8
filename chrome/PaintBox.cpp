// SPDX-License-Identifier: MIT
#include "chrome/PaintBox.h"

#include <QPainter>

namespace vorrel {

void PaintBox::paintEvent(QPaintEvent*) {
    if (!onPaint)
        return;
    QPainter painter(this);
    onPaint(*this, painter);
}

} // namespace vorrel
