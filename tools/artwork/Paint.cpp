// SPDX-License-Identifier: MIT
#include "Paint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace artwork {

QPainterPath star(QPointF centre, double outer, double inner, int points, double turn) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = (turn + i * 180.0 / points) * std::numbers::pi / 180;
        const QPointF p(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

void putPixels(QImage& image, QPoint topLeft, std::initializer_list<std::string_view> rows,
               const Legend& legend) {
    int y = topLeft.y();
    for (std::string_view row : rows) {
        for (int i = 0; i < int(row.size()); ++i) {
            const int x = topLeft.x() + i;
            if (!image.rect().contains(x, y))
                continue;
            for (const auto& [symbol, colour] : legend)
                if (symbol == row[std::size_t(i)])
                    image.setPixel(x, y, colour);
        }
        ++y;
    }
}

void putTwinkle(QImage& image, QPoint centre, int size) {
    const Legend legend = {
        {'W', qRgb(255, 255, 240)}, {'y', tint::gold.rgb()}, {'o', tint::goldDeep.rgb()}};
    switch (size) {
    case 1:
        putPixels(image, centre, {"o"}, legend);
        break;
    case 3:
        putPixels(image, centre - QPoint(1, 1), {".o.", "oWo", ".o."}, legend);
        break;
    case 5:
        putPixels(image, centre - QPoint(2, 2), {"..o..", "..y..", "oyWyo", "..y..", "..o.."},
                  legend);
        break;
    default:
        putPixels(image, centre - QPoint(3, 3),
                  {"...o...", "...y...", "..oyo..", "oyyWyyo", "..oyo..", "...y...", "...o..."},
                  legend);
        break;
    }
}

namespace {

struct TinyGlyph {
    char symbol;
    std::array<std::string_view, 6> rows;
};

// Lower-case letters stand in rows 1 to 4; brackets reach above and below them.
constexpr TinyGlyph kTinyFont[] = {
    {'s', {"...", ".##", "#..", "..#", "##.", "..."}},
    {'c', {"...", ".##", "#..", "#..", ".##", "..."}},
    {'r', {"...", "#.#", "##.", "#..", "#..", "..."}},
    {'i', {".#.", "...", ".#.", ".#.", ".#.", "..."}},
    {'p', {"...", "##.", "#.#", "##.", "#..", "#.."}},
    {'t', {".#.", ".#.", "###", ".#.", ".##", "..."}},
    {'<', {"...", "..#", ".#.", "#..", ".#.", "..#"}},
    {'>', {"...", "#..", ".#.", "..#", ".#.", "#.."}},
    {'/', {"..#", "..#", ".#.", ".#.", "#..", "#.."}},
    {'{', {".##", ".#.", "##.", ".#.", ".##", "..."}},
    {'}', {"##.", ".#.", ".##", ".#.", "##.", "..."}},
    {'(', {"..#", ".#.", ".#.", ".#.", "..#", "..."}},
    {')', {"#..", ".#.", ".#.", ".#.", "#..", "..."}},
    {';', {"...", "...", ".#.", "...", ".#.", "#.."}},
    {'=', {"...", "...", "###", "...", "###", "..."}},
    {'.', {"...", "...", "...", "...", ".#.", "..."}},
};

} // namespace

int putTinyText(QImage& image, QPoint topLeft, std::string_view text, QRgb colour) {
    int x = topLeft.x();
    for (char c : text) {
        for (const TinyGlyph& glyph : kTinyFont) {
            if (glyph.symbol != c)
                continue;
            putPixels(image, {x, topLeft.y()},
                      {glyph.rows[0], glyph.rows[1], glyph.rows[2], glyph.rows[3], glyph.rows[4],
                       glyph.rows[5]},
                      {{'#', colour}});
        }
        x += 4;
    }
    return x - topLeft.x() - (text.empty() ? 0 : 1);
}

QImage onKey(const QImage& drawing, QRgb key, const QColor& outline) {
    const QImage source = drawing.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    const auto luma = [](QRgb c) { return qRed(c) * 3 + qGreen(c) * 6 + qBlue(c); };
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            // Unpremultiplied: the colour as drawn, and how much of the pixel it covers.
            const QRgb c = source.pixel(x, y);
            const double a = qAlpha(c) / 255.0;
            if (a < 0.5) {
                out.setPixel(x, y, key);
                continue;
            }
            const auto mix = [a](int over, int under) {
                return int(std::lround(over * a + under * (1 - a)));
            };
            const QRgb drawn = qRgb(mix(qRed(c), outline.red()), mix(qGreen(c), outline.green()),
                                    mix(qBlue(c), outline.blue()));
            out.setPixel(x, y, drawn == key ? key ^ 0x000001 : drawn);
        }
    }
    // The outline: the figure's own pixels along the key, where they are not dark already.
    QImage lined = out;
    const int dark = luma(outline.rgb()) + 260;
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = out.pixel(x, y);
            if (c == key)
                continue;
            bool edge = false;
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint n(x + d.x(), y + d.y());
                edge = edge || (out.rect().contains(n) && out.pixel(n) == key);
            }
            if (edge && luma(c) > dark) {
                const auto mix = [](int a, int b) { return (a + b * 3) / 4; };
                lined.setPixel(x, y,
                               qRgb(mix(qRed(c), outline.red()), mix(qGreen(c), outline.green()),
                                    mix(qBlue(c), outline.blue())));
            }
        }
    }
    // Nothing of the figure may be taken for the ground.
    for (int y = 0; y < lined.height(); ++y)
        for (int x = 0; x < lined.width(); ++x)
            if (out.pixel(x, y) != key && lined.pixel(x, y) == key)
                lined.setPixel(x, y, key ^ 0x000001);
    return lined;
}

QImage scale2x(const QImage& picture) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size() * 2, QImage::Format_ARGB32);
    const auto at = [&source](int x, int y) {
        return source.pixel(std::clamp(x, 0, source.width() - 1),
                            std::clamp(y, 0, source.height() - 1));
    };
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = at(x, y), up = at(x, y - 1), down = at(x, y + 1), left = at(x - 1, y),
                       right = at(x + 1, y);
            const bool bend = up != down && left != right;
            out.setPixel(2 * x, 2 * y, bend && left == up ? up : c);
            out.setPixel(2 * x + 1, 2 * y, bend && up == right ? right : c);
            out.setPixel(2 * x, 2 * y + 1, bend && left == down ? left : c);
            out.setPixel(2 * x + 1, 2 * y + 1, bend && right == down ? down : c);
        }
    }
    return out.convertToFormat(picture.format());
}

} // namespace artwork
