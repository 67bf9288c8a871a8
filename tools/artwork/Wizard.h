// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace artwork {

// The wizard as the side picture shows him, in its coordinates (109 × 176): standing with his
// feet at about y = 162, his hat's tip at the top, his wand held out to the right with its star
// at kWandTip. Other pictures scale him.
void drawWizard(QPainter& p);
inline constexpr QPointF kWandTip(99.5, 55.5);

// The pointed hat alone, its tip bent over to the right, within `box` (the brim along its
// bottom), with its band and stars; `ink` is the outline's width. A hat for a small picture has one
// big star instead of three.
void drawHat(QPainter& p, const QRectF& box, double ink, bool oneStar = false);

// A sheet of paper with its top-right corner folded over; `ink` is the outline's width.
void drawSheet(QPainter& p, const QRectF& r, double ink);

} // namespace artwork
