// SPDX-License-Identifier: MIT
#include "Wizard.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>

namespace artwork {

namespace {

void fillWithInk(QPainter& p, const QPainterPath& path, const QBrush& brush, double ink = 1.0) {
    p.setPen(QPen(tint::ink, ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brush);
    p.drawPath(path);
}

QLinearGradient across(double left, double right, const QColor& shade, const QColor& light) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, shade);
    g.setColorAt(0.42, light);
    g.setColorAt(1, shade);
    return g;
}

} // namespace

void drawHat(QPainter& p, const QRectF& box, double ink, bool oneStar) {
    // Drawn in a 56 × 56 square: the brim across the bottom, the cone rising from it.
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 56, box.height() / 56);
    const double line = ink * 56 / box.width();

    QPainterPath cone;
    cone.moveTo(8, 48);
    cone.cubicTo(15, 34, 20, 16, 30, 6);
    cone.cubicTo(36, 1, 45, 1, 51, 8);
    cone.cubicTo(52, 10, 51, 12, 49, 11);
    cone.cubicTo(44, 8, 39, 10, 38, 16);
    cone.cubicTo(40, 28, 44, 38, 48, 48);
    cone.closeSubpath();
    fillWithInk(p, cone, across(8, 48, tint::hatShade, tint::hatLight), line);

    // The band, just above the brim, cut to the cone.
    p.save();
    p.setClipPath(cone);
    p.setPen(Qt::NoPen);
    p.setBrush(tint::gold);
    p.drawRect(QRectF(0, 36, 56, 10));
    p.setPen(QPen(tint::ink, line));
    p.drawLine(QPointF(0, 36), QPointF(56, 36));
    p.restore();
    fillWithInk(p, cone, Qt::NoBrush, line);

    QPainterPath brim;
    brim.addEllipse(QRectF(0.5, 42.5, 55, 13));
    QLinearGradient brimFill(0, 42, 0, 56);
    brimFill.setColorAt(0, tint::hatLight);
    brimFill.setColorAt(1, tint::hatShade);
    fillWithInk(p, brim, brimFill, line);

    p.setPen(Qt::NoPen);
    p.setBrush(tint::gold);
    if (oneStar) {
        p.drawPath(star({24, 24}, 8.5, 3.6));
    } else {
        p.drawPath(star({25, 25}, 5, 2.1));
        p.drawPath(star({33, 13}, 3, 1.3));
        p.drawPath(star({17.5, 31}, 2.4, 1, 4, 0));
    }
    p.restore();
}

void drawSheet(QPainter& p, const QRectF& r, double ink) {
    const double fold = std::min(r.width(), r.height()) * 0.2;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    fillWithInk(p, sheet, tint::paper, ink);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    fillWithInk(p, corner, tint::fold, ink);
}

void drawWizard(QPainter& p) {
    // His shoes, peeping out under the hem.
    p.setPen(QPen(tint::ink, 1));
    p.setBrush(tint::shoe);
    QPainterPath shoes;
    shoes.moveTo(31, 158);
    shoes.cubicTo(24, 157, 18, 160, 16, 164);
    shoes.lineTo(33, 164);
    shoes.closeSubpath();
    shoes.moveTo(50, 158);
    shoes.cubicTo(58, 157, 64, 160, 67, 164);
    shoes.lineTo(49, 164);
    shoes.closeSubpath();
    p.drawPath(shoes);

    // The robe, wider at the hem, and the sleeve hanging at his other side.
    QPainterPath robe;
    robe.moveTo(31, 72);
    robe.lineTo(53, 72);
    robe.cubicTo(60, 100, 66, 130, 73, 158);
    robe.quadTo(42, 164, 10, 158);
    robe.cubicTo(16, 130, 23, 100, 31, 72);
    fillWithInk(p, robe, across(10, 73, tint::robeShade, tint::robeLight));
    p.save();
    p.setClipPath(robe);
    p.setPen(QPen(tint::robeShade, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35, 118), QPointF(31, 158));
    p.drawLine(QPointF(52, 120), QPointF(56, 158));
    p.setPen(Qt::NoPen);
    p.setBrush(tint::gold);
    p.drawPath(star({21, 140}, 4, 1.7));
    p.drawPath(star({45, 146}, 3.4, 1.5));
    p.drawPath(star({60, 128}, 2.8, 1.2));
    p.drawPath(star({36, 133}, 2.8, 1.2));
    // The robe's gold hem.
    p.setPen(QPen(tint::gold, 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath hem;
    hem.moveTo(8, 155.5);
    hem.quadTo(42, 161.5, 76, 155.5);
    p.drawPath(hem);
    p.restore();
    fillWithInk(p, robe, Qt::NoBrush);

    QPainterPath hanging;
    hanging.moveTo(30, 78);
    hanging.cubicTo(24, 92, 20, 104, 18, 118);
    hanging.lineTo(30, 121);
    hanging.cubicTo(31, 108, 33, 96, 36, 84);
    hanging.closeSubpath();
    p.setPen(QPen(tint::ink, 1));
    p.setBrush(tint::skin);
    p.drawEllipse(QPointF(24, 122.5), 4, 3.5);
    fillWithInk(p, hanging, across(18, 36, tint::robeShade, tint::robe));
    p.setPen(QPen(tint::gold, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(19, 116.5), QPointF(30.5, 119.2));

    // The arm held out towards the page, its wide sleeve, the hand and the wand.
    QPainterPath sleeve;
    sleeve.moveTo(48, 80);
    sleeve.cubicTo(58, 78, 68, 74, 76, 68);
    sleeve.lineTo(82, 82);
    sleeve.cubicTo(72, 88, 62, 94, 52, 96);
    sleeve.closeSubpath();
    fillWithInk(p, sleeve, across(48, 82, tint::robe, tint::robeLight));
    p.setPen(QPen(tint::gold, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(77.5, 69.5), QPointF(81, 79));
    p.setPen(QPen(tint::ink, 1));
    p.setBrush(tint::skin);
    p.drawEllipse(QPointF(85, 75), 4, 4);
    // The wand, held in the fist, its tip white.
    p.setPen(QPen(tint::wand, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(84, 78), kWandTip + QPointF(-0.6, 0.9));
    p.setPen(QPen(QColor(255, 255, 240), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(kWandTip + QPointF(-2, 3), kWandTip + QPointF(-0.4, 0.6));
    p.setPen(QPen(tint::skin.darker(115), 1));
    p.drawLine(QPointF(82.5, 74.5), QPointF(86.5, 77.5));

    // The face, the eyebrows, the long beard and moustache.
    p.setPen(QPen(tint::ink, 1));
    p.setBrush(tint::skin);
    p.drawEllipse(QRectF(31, 49, 22, 24));
    QPainterPath beard;
    beard.moveTo(30, 63);
    beard.cubicTo(33, 70, 38, 70, 42, 70);
    beard.cubicTo(46, 70, 51, 70, 54, 63);
    beard.cubicTo(58, 78, 56, 94, 50, 106);
    beard.quadTo(47, 108, 46, 112);
    beard.quadTo(43, 111, 42, 116);
    beard.quadTo(40, 111, 37, 112);
    beard.quadTo(37, 108, 34, 106);
    beard.cubicTo(28, 94, 26, 78, 30, 63);
    QLinearGradient beardFill(26, 0, 58, 0);
    beardFill.setColorAt(0, tint::beardShade);
    beardFill.setColorAt(0.4, tint::beard);
    beardFill.setColorAt(1, tint::beardShade);
    fillWithInk(p, beard, beardFill);
    p.setPen(QPen(tint::beardShade, 1));
    p.drawLine(QPointF(38.5, 78), QPointF(39.5, 98));
    p.drawLine(QPointF(45.5, 78), QPointF(44.5, 98));
    // The moustache, two puffs either side of the nose.
    p.setPen(QPen(tint::ink, 0.9));
    p.setBrush(tint::beard);
    p.drawEllipse(QRectF(34, 64, 8.5, 5));
    p.drawEllipse(QRectF(41.5, 64, 8.5, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(tint::cheek);
    p.drawEllipse(QPointF(42, 64), 2.6, 2.2);
    p.drawEllipse(QPointF(34.5, 62), 1.6, 1.2);
    p.drawEllipse(QPointF(49.5, 62), 1.6, 1.2);
    p.setBrush(tint::ink);
    p.drawEllipse(QRectF(36.2, 58.6, 2.2, 2.6));
    p.drawEllipse(QRectF(45.6, 58.6, 2.2, 2.6));
    drawHat(p, QRectF(13, 2, 58, 56), 1);
    // Bushy eyebrows, showing under the brim.
    p.setPen(QPen(tint::ink, 0.8));
    p.setBrush(tint::beard);
    p.drawEllipse(QRectF(33.5, 55, 6.5, 3));
    p.drawEllipse(QRectF(44, 55, 6.5, 3));
}

} // namespace artwork
