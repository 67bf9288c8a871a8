// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace vorrel {

// The desktop's style, with group boxes drawn the way the wizard's pages were laid out for: the
// caption sits on an etched frame line, so that three radio items fit into a short group.
class WizardStyle : public QProxyStyle {
    Q_OBJECT

public:
    // The one instance the wizard windows share.
    static WizardStyle* instance();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;

private:
    using QProxyStyle::QProxyStyle;
};

} // namespace vorrel
