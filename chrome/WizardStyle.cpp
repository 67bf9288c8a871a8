// SPDX-License-Identifier: MIT
#include "chrome/WizardStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace vorrel {

WizardStyle* WizardStyle::instance() {
    static WizardStyle* style = [] {
        auto* created = new WizardStyle;
        created->setParent(qApp);
        return created;
    }();
    return style;
}

QRect WizardStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl part, const QWidget* widget) const {
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !group)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect r = group->rect;
    const QFontMetrics fm = group->fontMetrics;
    const int half = fm.height() / 2;
    switch (part) {
    case SC_GroupBoxLabel:
        return QRect(r.left() + 7, r.top(), fm.horizontalAdvance(group->text) + 4, fm.height());
    case SC_GroupBoxFrame:
        return r.adjusted(0, half, 0, 0);
    case SC_GroupBoxContents:
        return r.adjusted(2, fm.height() + 1, -2, -2);
    default:
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void WizardStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !group) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
    // The etched line runs along the box's very edge, as far as it can from the items inside,
    // which at 150 % would otherwise touch it.
    qDrawShadeRect(painter, frame, group->palette, true, 1);
    const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->fillRect(label, group->palette.window());
    drawItemText(painter, label, Qt::AlignCenter | Qt::TextShowMnemonic, group->palette,
                 group->state & State_Enabled, group->text, QPalette::WindowText);
}

} // namespace vorrel
