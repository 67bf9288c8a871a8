#include "Scenes.h"

#include "Paint.h"
#include "Wizard.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork {

namespace {

// The page of the side picture, pixel for pixel: a sheet with its corner folded, a heading,
// two lines of text and the script block that the wand is writing.
void putSidePage(QImage& image, const QRect& r) {
    const QRgb ink = tint::ink.rgb(), paper = tint::paper.rgb(), fold = tint::fold.rgb();
    const int cut = 7;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const int down = y - r.top();
        const int right = down < cut ? r.right() - cut + down : r.right();
        for (int x = r.left(); x <= right; ++x) {
            const bool border = y == r.top() || y == r.bottom() || x == r.left() || x == right;
            image.setPixel(x, y, border ? ink : paper);
        }
        // The folded corner lies on the sheet under the cut.
        if (down > 0 && down < cut)
            for (int x = r.right() - cut; x < right; ++x)
                image.setPixel(x, y, x == r.right() - cut ? ink : fold);
        if (down == cut)
            for (int x = r.right() - cut; x <= r.right(); ++x)
                image.setPixel(x, y, ink);
    }
    // A light shade inside the right and bottom edges, as of a sheet a little curled.
    const QRgb shade = qRgb(226, 230, 244);
    for (int y = r.top() + cut + 1; y < r.bottom(); ++y)
        image.setPixel(r.right() - 1, y, shade);
    for (int x = r.left() + 1; x < r.right(); ++x)
        image.setPixel(x, r.bottom() - 1, shade);

    const int left = r.left() + 4;
    const auto bar = [&](int x, int y, int length, const QColor& colour) {
        for (int i = 0; i < length; ++i)
            image.setPixel(x + i, y, colour.rgb());
    };
    int y = r.top() + 4;
    bar(left, y, 22, tint::heading);
    bar(left, y + 1, 22, tint::heading);
    y += 5;
    bar(left, y, 36, tint::text);
    bar(left, y + 3, 28, tint::text);
    y += 6;
    putTinyText(image, {left, y}, "<script>", tint::tag.rgb());
    y += 7;
    int x = left + 4;
    bar(x, y + 3, 7, tint::code);
    x += 9;
    bar(x, y + 3, 9, tint::name);
    x += 10;
    putTinyText(image, {x, y}, "()", tint::brace.rgb());
    putTinyText(image, {x + 9, y}, "{", tint::brace.rgb());
    y += 7;
    x = left + 8;
    bar(x, y + 3, 10, tint::name);
    x += 11;
    putTinyText(image, {x, y}, "=", tint::code.rgb());
    bar(x + 5, y + 3, 8, tint::code);
    putTinyText(image, {x + 14, y}, ";", tint::brace.rgb());
    y += 7;
    putTinyText(image, {left + 4, y}, "}", tint::brace.rgb());
    y += 7;
    putTinyText(image, {left, y}, "</script>", tint::tag.rgb());
}

} // namespace

QImage sidePicture() {
    QImage drawing(109, 176, QImage::Format_ARGB32_Premultiplied);
    drawing.fill(Qt::transparent);
    QPainter p(&drawing);
    p.setRenderHint(QPainter::Antialiasing);

    // A patch of grass to stand on, with the shadows of the wizard and of the floating page.
    QPainterPath ground;
    ground.addEllipse(QRectF(3.5, 157.5, 102, 16));
    QLinearGradient grass(0, 157, 0, 174);
    grass.setColorAt(0, tint::grass.lighter(112));
    grass.setColorAt(1, tint::grassShade);
    p.setPen(QPen(tint::ink, 1));
    p.setBrush(grass);
    p.drawPath(ground);
    p.setPen(Qt::NoPen);
    p.setBrush(tint::grassShade);
    p.drawEllipse(QRectF(12, 161, 62, 7));
    p.drawEllipse(QRectF(64, 163, 36, 5));
    p.setPen(QPen(tint::grassShade, 1, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF at : {QPointF(9, 166), QPointF(96, 166), QPointF(78, 171), QPointF(24, 171)}) {
        p.drawLine(at, at + QPointF(-1, -3));
        p.drawLine(at, at + QPointF(1.5, -3));
    }

    drawWizard(p);
    p.end();

    QImage picture = onKey(drawing, kSidePictureKey, tint::ink);
    putSidePage(picture, QRect(58, 98, 48, 56));

    // The sparkles falling from the wand into the page.
    putTwinkle(picture, {100, 54}, 7);
    putTwinkle(picture, {105, 63}, 3);
    putTwinkle(picture, {98, 68}, 5);
    putTwinkle(picture, {104, 75}, 1);
    putTwinkle(picture, {101, 81}, 3);
    putTwinkle(picture, {95, 88}, 5);
    putTwinkle(picture, {99, 94}, 1);
    putTwinkle(picture, {90, 98}, 7);
    putTwinkle(picture, {84, 93}, 1);
    return picture;
}

QImage splashPicture() {
    QImage image(471, 285, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace artwork
