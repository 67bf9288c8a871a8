// SPDX-License-Identifier: MIT
#include "Scenes.h"

#include "Paint.h"
#include "Wizard.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

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

// The page and the sparkles falling from the wand into it.
void putPixelParts(QImage& image) {
    putSidePage(image, QRect(58, 98, 48, 56));
    putTwinkle(image, {100, 54}, 7);
    putTwinkle(image, {105, 63}, 3);
    putTwinkle(image, {98, 68}, 5);
    putTwinkle(image, {104, 75}, 1);
    putTwinkle(image, {101, 81}, 3);
    putTwinkle(image, {95, 88}, 5);
    putTwinkle(image, {99, 94}, 1);
    putTwinkle(image, {90, 98}, 7);
    putTwinkle(image, {84, 93}, 1);
}

} // namespace

QImage sidePicture(int scale) {
    QImage drawing(109 * scale, 176 * scale, QImage::Format_ARGB32_Premultiplied);
    drawing.fill(Qt::transparent);
    QPainter p(&drawing);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

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
    for (const QPointF at :
         {QPointF(9, 166), QPointF(96, 166), QPointF(78, 171), QPointF(24, 171)}) {
        p.drawLine(at, at + QPointF(-1, -3));
        p.drawLine(at, at + QPointF(1.5, -3));
    }

    drawWizard(p);
    p.end();

    QImage picture = onKey(drawing, kSidePictureKey, tint::ink);
    if (scale == 1) {
        putPixelParts(picture);
        return picture;
    }
    // The parts drawn pixel for pixel, doubled so that their slopes stay smooth.
    QImage parts(109, 176, QImage::Format_ARGB32);
    parts.fill(Qt::transparent);
    putPixelParts(parts);
    QPainter over(&picture);
    over.drawImage(0, 0, scale2x(parts));
    return picture;
}

namespace {

// The splash's page: a sheet of a web page, its heading and text, and the script that the
// sparkles are writing into it, the cursor after its last line.
void drawSplashPage(QPainter& p, const QRectF& r) {
    // A soft shadow, as of a sheet lifted off the sky.
    p.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        p.setBrush(QColor(40, 50, 110, 14));
        p.drawRoundedRect(r.translated(3, 4).adjusted(-i, -i, i, i), i + 1, i + 1);
    }
    drawSheet(p, r, 1.4);

    const double left = r.left() + 12;
    double y = r.top() + 12;
    p.setPen(QPen(tint::heading, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left, y), QPointF(left + 62, y));
    y += 9;
    p.setPen(QPen(tint::text, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left, y), QPointF(left + 118, y));
    y += 6;
    p.drawLine(QPointF(left, y), QPointF(left + 92, y));

    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setPixelSize(11);
    mono.setStyleHint(QFont::Monospace);
    p.setFont(mono);
    const double advance = QFontMetricsF(mono).horizontalAdvance(QLatin1Char('m'));
    const double pitch = 12;
    y += 5;
    // Each line of code as runs of text in their colours.
    struct Run {
        const char* text;
        QColor colour;
    };
    const std::vector<std::vector<Run>> lines = {
        {{"<script>", tint::tag}},
        {{"  function ", tint::code}, {"tick", tint::name}, {"() {", tint::brace}},
        {{"    clock", tint::name}, {".", tint::ink}, {"show", tint::code}, {"();", tint::brace}},
        {{"  }", tint::brace}},
        {{"</script>", tint::tag}},
    };
    double lastEnd = left;
    for (const auto& line : lines) {
        double x = left;
        for (const Run& run : line) {
            p.setPen(run.colour);
            p.drawText(QPointF(x, y + 9), QString::fromLatin1(run.text));
            x += advance * double(std::strlen(run.text));
        }
        lastEnd = x;
        y += pitch;
    }
    // The cursor, where the next line is about to come.
    p.setPen(QPen(tint::ink, 1.2));
    p.drawLine(QPointF(lastEnd + 2, y - pitch + 1), QPointF(lastEnd + 2, y - 1));
}

} // namespace

QImage splashPicture(int scale) {
    QImage image(471 * scale, 285 * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);

    // The sky, pale where the program writes over it, and a meadow along the bottom.
    QLinearGradient sky(0, 0, 0, 285);
    sky.setColorAt(0, QColor(176, 198, 242));
    sky.setColorAt(0.5, QColor(228, 235, 252));
    sky.setColorAt(1, QColor(246, 248, 255));
    p.fillRect(QRect(0, 0, 471, 285), sky);
    QPainterPath meadow;
    meadow.moveTo(0, 236);
    meadow.cubicTo(150, 244, 320, 246, 471, 240);
    meadow.lineTo(471, 285);
    meadow.lineTo(0, 285);
    meadow.closeSubpath();
    QLinearGradient meadowFill(0, 236, 0, 285);
    meadowFill.setColorAt(0, QColor(214, 236, 200));
    meadowFill.setColorAt(1, QColor(236, 246, 228));
    p.setPen(Qt::NoPen);
    p.setBrush(meadowFill);
    p.drawPath(meadow);

    // A crescent moon and a few stars, away from the words.
    QPainterPath moon;
    moon.addEllipse(QPointF(444, 30), 15, 15);
    QPainterPath bite;
    bite.addEllipse(QPointF(452, 24), 13, 13);
    p.setBrush(QColor(255, 246, 206));
    p.drawPath(moon.subtracted(bite));
    p.setBrush(Qt::white);
    for (const QPointF at : {QPointF(176, 20), QPointF(200, 56), QPointF(12, 20), QPointF(452, 78),
                             QPointF(412, 116), QPointF(168, 120)})
        p.drawPath(star(at, 4.5, 1.4, 4, 0));

    // The wizard on his patch of grass, on the left.
    p.setPen(QPen(tint::ink, 1.4));
    QLinearGradient grass(0, 238, 0, 264);
    grass.setColorAt(0, tint::grass.lighter(112));
    grass.setColorAt(1, tint::grassShade);
    p.setBrush(grass);
    p.drawEllipse(QRectF(6, 238, 140, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(tint::grassShade);
    p.drawEllipse(QRectF(20, 244, 92, 10));
    p.save();
    p.translate(2, 6);
    p.scale(1.5, 1.5);
    drawWizard(p);
    p.restore();
    const QPointF tip = QPointF(2, 6) + kWandTip * 1.5;

    // The page on the right, and the sparkles flowing into it from the wand.
    const QRectF page(300, 152, 156, 96);
    drawSplashPage(p, page);
    QPainterPath stream;
    stream.moveTo(tip);
    stream.cubicTo(tip + QPointF(44, -10), QPointF(190, 196), QPointF(page.left() + 8, 204));
    // A faint ribbon of light under the sparkles.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 226, 120, 46), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stream);
    p.setPen(QPen(QColor(255, 236, 160, 90), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stream);
    constexpr int kSparkles = 13;
    for (int i = 1; i <= kSparkles; ++i) {
        const double t = double(i) / kSparkles;
        const QPointF at = stream.pointAtPercent(t);
        const double size = (i % 3 == 0   ? 3
                             : i % 3 == 1 ? 5.5
                                          : 4) +
                            2 * std::sin(t * std::numbers::pi);
        QRadialGradient halo(at, size * 2.2);
        halo.setColorAt(0, QColor(255, 236, 150, 150));
        halo.setColorAt(1, QColor(255, 236, 150, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(at, size * 2.2, size * 2.2);
        p.setPen(QPen(tint::goldDeep, 1));
        p.setBrush(tint::gold);
        p.drawPath(star(at, size, size * 0.36, 4, i * 9.0));
    }
    p.setPen(QPen(tint::ink, 1));
    p.setBrush(QColor(255, 255, 240));
    p.drawPath(star(tip, 9, 3.2, 4, 0));

    // The name, and what it does.
    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(70);
    title.setBold(true);
    title.setItalic(true);
    const QString name = QStringLiteral("Vorrel");
    QPainterPath words;
    words.addText(0, 0, title, name);
    const QRectF bounds = words.boundingRect();
    words.translate(322 - bounds.center().x(), 78 - bounds.bottom());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(words.translated(3, 3));
    QLinearGradient letters(0, 20, 0, 78);
    letters.setColorAt(0, tint::hatLight);
    letters.setColorAt(0.55, tint::hat);
    letters.setColorAt(1, tint::robeShade);
    p.setPen(QPen(tint::ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(letters);
    p.drawPath(words);
    p.setPen(QPen(tint::goldDeep, 1));
    p.setBrush(tint::gold);
    const QRectF placed = words.boundingRect();
    p.drawPath(star(placed.topLeft() + QPointF(-4, 8), 8, 2.8, 4, 0));
    p.drawPath(star(placed.topRight() + QPointF(4, 4), 5.5, 2, 4, 0));

    QFont subtitle(QStringLiteral("Liberation Sans"));
    subtitle.setPixelSize(15);
    p.setFont(subtitle);
    p.setPen(QColor(56, 60, 120));
    p.drawText(QRectF(172, 86, 300, 22), Qt::AlignCenter,
               QStringLiteral("JavaScript tools for your web pages"));
    return image;
}

} // namespace artwork
