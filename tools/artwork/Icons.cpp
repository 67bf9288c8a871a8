// SPDX-License-Identifier: MIT
#include "Icons.h"

#include "Paint.h"
#include "Wizard.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace artwork {

// The glyph's own 16 colours; the first is the transparent key, used nowhere in the picture.
const QList<QRgb> kGlyphPalette = {
    qRgb(255, 0, 255),   tint::ink.rgb(),  qRgb(255, 255, 255), qRgb(226, 230, 244),
    tint::fold.rgb(),    tint::text.rgb(), tint::heading.rgb(), tint::tag.rgb(),
    tint::code.rgb(),    tint::name.rgb(), qRgb(176, 216, 248), qRgb(236, 246, 255),
    qRgb(190, 196, 214), tint::gold.rgb(), qRgb(150, 86, 40),   qRgb(96, 50, 22)};

// A magnifying glass over a small web page, pixel for pixel: the lens shows the page's lines
// larger. Every edge against the key is a solid pixel, so the transparent part cuts cleanly.
QImage previewGlyph() {
    QImage image(28, 26, QImage::Format_RGB32);
    image.fill(kGlyphPalette[0]);
    const QList<QRgb>& c = kGlyphPalette;
    putPixels(image, {0, 0},
              {
                  "............................", ".############...............",
                  ".#wwwwwwwwww##..............", ".#wwwwwwwwww#f#.............",
                  ".#wwhhhhhhww#ff#............", ".#wwhhhhhhww#fff#...........",
                  ".#wwwwwwwwww######..........", ".#wwwwwwwwwwwwwws#..........",
                  ".#wwtttttttttt#####.........", ".#wwwwwwwwww##RRRRR##.......",
                  ".#wwttttttt##RLLLllR##......", ".#wwwwwwwww#RLLLllllR#......",
                  ".#wwwwwwww#RLLoooolllR#.....", ".#wwooooow#RLloooolllR#.....",
                  ".#wwwwwwww#RLllllllllR#.....", ".#wwwwbbbb#RllbbbbbbbR#.....",
                  ".#wwwwwwww#RllbbbbbbbR#.....", ".#wwwwggggg#RlllllllR##.....",
                  ".#wwwwwwwww##RlllllR##y#....", ".#wwwwwwwwww##RRRRR##yyN#...",
                  ".#wwooooowwwww######yynnN#..", ".#wwwwwwwwwwwwwws#..#NnnnN#.",
                  ".#sssssssssssssss#...#Nnnn#.", ".#################....#Nn#..",
                  ".......................##...", "............................",
              },
              {{'#', c[1]},
               {'w', c[2]},
               {'s', c[3]},
               {'f', c[4]},
               {'t', c[5]},
               {'h', c[6]},
               {'o', c[7]},
               {'b', c[8]},
               {'g', c[9]},
               {'l', c[10]},
               {'L', c[11]},
               {'R', c[12]},
               {'y', c[13]},
               {'n', c[14]},
               {'N', c[15]}});
    return image;
}

namespace {

// The icon's smallest sizes, pixel for pixel, so that the caption bar's shows a clear hat and
// page rather than a smudge: the hat with its star and band in front of a page of script.
const Legend kIconLegend = {
    {'#', tint::ink.rgb()},     {'w', tint::paper.rgb()},    {'f', tint::fold.rgb()},
    {'h', tint::heading.rgb()}, {'t', tint::text.rgb()},     {'o', tint::tag.rgb()},
    {'b', tint::code.rgb()},    {'g', tint::name.rgb()},     {'p', tint::hatLight.rgb()},
    {'P', tint::hat.rgb()},     {'D', tint::hatShade.rgb()}, {'y', tint::gold.rgb()}};

QImage smallIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (size == 16)
        putPixels(image, {0, 0},
                  {
                      "......#######...",
                      "...#..#wwwww##..",
                      "...##.#wwwww#f#.",
                      "..#p###wwwww####",
                      "..#ppD#hhhhwwww#",
                      "..#pyD#wwwwwwww#",
                      ".#pyyyD#woooooo#",
                      ".#yyyyyD#wwwwww#",
                      ".#pyyyPD#wbbbbw#",
                      ".#pyPyPD#wwwwww#",
                      "#ppPPPPPD#wgggw#",
                      "#yyyyyyyy#wwwww#",
                      "#ppPPPPPPD######",
                      "#DpppPPPPDD#....",
                      ".#DDDDDDDD#.....",
                      "..########......",
                  },
                  kIconLegend);
    else if (size == 22)
        putPixels(image, {0, 0},
                  {
                      "......................", "........##########....", "......#.#wwwwwwww##...",
                      "......###wwwwwwww#f#..", ".....#p##wwwwwwww#ff#.", ".....#pP#wwwwwwww#####",
                      ".....#pPD#whhhhhhwwww#", "....#pPPD#whhhhhhwwww#", "....#ppyPD#wwwwwwwwww#",
                      "....#ppyPD#wwtttttttw#", "...#pyyyyyD#wwwwwwwww#", "...#ppyyyPD#wttttttww#",
                      "...#ppyPyPPD#wwwwwwww#", "...#ppPPPPPD#woooooww#", "..############wwwwwww#",
                      ".#yyyyyyyyyyyy#bbbbbw#", "#ppppPPPPPPPPPD#wwwww#", "#DppPPPPPPPPPDD#######",
                      ".#DDPPPPPPPDDD#.......", "..############........", "......................",
                      "......................",
                  },
                  kIconLegend);
    else
        putPixels(
            image, {0, 0},
            {
                "........................", ".........##########.....", "......#..#wwwwwwww##....",
                "......##.#wwwwwwww#f#...", ".....#p###wwwwwwww#ff#..", ".....#pP##wwwwwwww#fff#.",
                ".....#pPD#wwwwwwww######", ".....#pPD#wwhhhhhhwwwww#", "....#ppPPD#whhhhhhwwwww#",
                "....#ppyPD#wwwwwwwwwwww#", "....#ppyPPD#wwttttttttw#", "....#yyyyyD#wwwwwwwwwww#",
                "...#ppyyyPPD#wttttttwww#", "...#ppyPyPPD#wwwwwwwwww#", "...#ppPPPPPPD#wooooooww#",
                "...#ppPPPPPPD#wwwwwwwww#", "..###########wwwbbbbbbw#", ".#yyyyyyyyyyyy#wwwwwwww#",
                "#ppppPPPPPPPPPPD########", "#DppPPPPPPPPPPDD#.......", ".#DDPPPPPPPPDDD#........",
                "..#DDDDDDDDDDD#.........", "...###########..........", "........................",
            },
            kIconLegend);
    return image;
}

} // namespace

QImage appIcon(int size) {
    if (size <= 24)
        return smallIcon(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;
    // Outlines and lines of text a whole number of pixels thick, on whole pixels, so that the
    // page stays sharp at every size.
    const int ink = std::max(1, int(std::lround(size / 32.0)));
    const int thick = std::max(1, size / 24);
    const auto px = [s](double units) { return double(std::lround(units * s)); };

    // The page, upright behind the hat, its lines of text and of script showing to the right.
    const QRectF sheet(QPointF(px(24), px(2)), QPointF(px(63), px(50)));
    drawSheet(p, sheet.adjusted(ink / 2.0, ink / 2.0, -ink / 2.0, -ink / 2.0), ink);
    struct Line {
        double from, to, y;
        QColor colour;
        int rows;
    };
    const std::vector<Line> lines = {{33, 48, 12, tint::heading, 2}, {37, 57, 19, tint::text, 1},
                                     {37, 53, 24, tint::text, 1},    {40, 54, 30, tint::tag, 1},
                                     {44, 58, 36, tint::code, 1},    {44, 54, 42, tint::name, 1}};
    p.setPen(Qt::NoPen);
    for (const Line& line : lines) {
        p.setBrush(line.colour);
        p.drawRect(
            QRectF(px(line.from), px(line.y), px(line.to) - px(line.from), thick * line.rows));
    }

    // The wizard's hat in front of the page's lower left, and a twinkle of its magic.
    drawHat(p, QRectF(px(1), px(8), px(47) - px(1), px(62) - px(8)), ink, true);
    p.setPen(QPen(tint::ink, std::max(1.0, ink * 0.75)));
    p.setBrush(tint::gold);
    const QPointF twinkle(std::floor(9 * s) + 0.5, std::floor(9 * s) + 0.5);
    p.drawPath(star(twinkle, 7.5 * s, 2.8 * s, 4, 0));
    return image;
}

QByteArray appIconSvg() {
    // The same drawing as the larger icons, in the 64 × 64 square they are drawn in.
    return R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <defs>
    <linearGradient id="cone" x1="8" y1="0" x2="48" y2="0" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#381c70"/>
      <stop offset="0.42" stop-color="#8056ce"/>
      <stop offset="1" stop-color="#381c70"/>
    </linearGradient>
    <linearGradient id="brim" x1="0" y1="42" x2="0" y2="56" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#8056ce"/>
      <stop offset="1" stop-color="#381c70"/>
    </linearGradient>
    <clipPath id="hat">
      <path d="M8 48C15 34 20 16 30 6C36 1 45 1 51 8C52 10 51 12 49 11C44 8 39 10 38 16C40 28 44 38 48 48Z"/>
    </clipPath>
  </defs>
  <g stroke="#221a3c" stroke-width="2" stroke-linejoin="round">
    <path d="M25 3H54.6L62 10.4V49H25Z" fill="#ffffff"/>
    <path d="M54.6 3V10.4H62Z" fill="#d0d6ea"/>
  </g>
  <rect x="33" y="12" width="15" height="4" fill="#283a8c"/>
  <rect x="37" y="19" width="20" height="2" fill="#969cb2"/>
  <rect x="37" y="24" width="16" height="2" fill="#969cb2"/>
  <rect x="40" y="30" width="14" height="2" fill="#d45c12"/>
  <rect x="44" y="36" width="14" height="2" fill="#2868ce"/>
  <rect x="44" y="42" width="10" height="2" fill="#1e8c56"/>
  <g transform="translate(1 8) scale(0.8214 0.9643)" stroke="#221a3c" stroke-width="2.2"
     stroke-linejoin="round">
    <path d="M8 48C15 34 20 16 30 6C36 1 45 1 51 8C52 10 51 12 49 11C44 8 39 10 38 16C40 28 44 38 48 48Z"
          fill="url(#cone)"/>
    <g clip-path="url(#hat)">
      <rect x="0" y="36" width="56" height="10" fill="#fccc3a" stroke="none"/>
      <line x1="0" y1="36" x2="56" y2="36"/>
    </g>
    <path d="M8 48C15 34 20 16 30 6C36 1 45 1 51 8C52 10 51 12 49 11C44 8 39 10 38 16C40 28 44 38 48 48Z"
          fill="none"/>
    <ellipse cx="28" cy="49" rx="27.5" ry="6.5" fill="url(#brim)"/>
    <polygon points="24,15.5 26.12,21.09 32.08,21.37 27.42,25.11 29,30.88 24,27.6 19,30.88 20.58,25.11 15.92,21.37 21.88,21.09"
             fill="#fccc3a" stroke="none"/>
  </g>
  <polygon points="17,9.5 11.48,11.48 9.5,17 7.52,11.48 2,9.5 7.52,7.52 9.5,2 11.48,7.52"
           fill="#fccc3a" stroke="#221a3c" stroke-width="1.5" stroke-linejoin="round"/>
</svg>
)svg";
}

} // namespace artwork
