// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace artwork {

// The colours of the wizard and his page, the same in every picture.
namespace tint {
inline const QColor ink(34, 26, 60); // outlines
inline const QColor robe(52, 84, 190);
inline const QColor robeLight(86, 124, 226);
inline const QColor robeShade(30, 48, 128);
inline const QColor hat(92, 50, 168);
inline const QColor hatLight(128, 86, 206);
inline const QColor hatShade(56, 28, 112);
inline const QColor gold(252, 204, 58); // stars, the hat's band, sparkles
inline const QColor goldDeep(226, 136, 22);
inline const QColor skin(248, 208, 174);
inline const QColor cheek(236, 150, 136);
inline const QColor beard(246, 246, 250);
inline const QColor beardShade(196, 198, 218);
inline const QColor wand(112, 62, 28);
inline const QColor shoe(120, 64, 32);
inline const QColor grass(118, 186, 82);
inline const QColor grassShade(64, 138, 58);
inline const QColor paper(255, 255, 255);
inline const QColor fold(208, 214, 234);
inline const QColor heading(40, 58, 140);
inline const QColor text(150, 156, 178);
inline const QColor tag(212, 92, 18);
inline const QColor code(40, 104, 206);
inline const QColor name(30, 140, 86);
inline const QColor brace(128, 46, 170);
} // namespace tint

// A star of `points` points around `centre`, the first pointing along `turn` (up by default).
QPainterPath star(QPointF centre, double outer, double inner, int points = 5, double turn = -90);

// A small picture given as rows of characters, each character's colour found in `legend`;
// a character missing from the legend (a dot, say) leaves the pixel as it was.
using Legend = std::vector<std::pair<char, QRgb>>;
void putPixels(QImage& image, QPoint topLeft, std::initializer_list<std::string_view> rows,
               const Legend& legend);

// Twinkles drawn pixel for pixel, to stay sharp at the pictures' own size: a white heart, gold
// arms and deeper gold tips, which show on a light window as on a dark one. `size` is 1, 3, 5
// or 7 pixels across.
void putTwinkle(QImage& image, QPoint centre, int size);

// Text in a font of the pictures' own, for pages too small for any other: 3 pixels wide and 6
// high, letters in rows 1 to 4 and the last row for descenders, a character every 4 pixels. It
// knows the letters of "script" and the marks < > / { } ( ) ; = and full stop; any other
// character (a space, say) is left blank. Returns the width written.
int putTinyText(QImage& image, QPoint topLeft, std::string_view text, QRgb colour);

// A drawing made with smoothing, on a transparent ground, made hard-edged on one key colour:
// a pixel mostly covered keeps its colour (any coverage it lacks is made up by the outline
// colour, so the edge darkens rather than fades), every other pixel becomes the key, and a
// figure pixel next to the key that is still light is drawn in the outline colour. So the
// figure's edge shows no trace of the key, whatever colour later replaces it. No figure pixel
// is the key.
QImage onKey(const QImage& drawing, QRgb key, const QColor& outline);

// A picture drawn pixel for pixel, at twice its size for screens of 200 %: each pixel becomes
// four, and where two neighbours of a pixel agree across a corner that corner takes their colour
// (Scale2x), so slopes stay smooth instead of turning into stairs. No new colour appears, so a
// key colour or a palette of 16 stays exact.
QImage scale2x(const QImage& picture);

} // namespace artwork
