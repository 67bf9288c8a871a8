#include "Scenes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace artwork {

namespace {

const QColor kInk(36, 28, 64);   // outlines
const QColor kRobe(58, 72, 176); // the wizard's robe
const QColor kRobeShade(38, 48, 130);
const QColor kHat(74, 42, 150);
const QColor kHatShade(50, 28, 110);
const QColor kGold(250, 206, 64); // stars, the wand's tip, sparkles
const QColor kSkin(246, 206, 172);
const QColor kBeard(244, 244, 248);
const QColor kWand(120, 70, 30);

// A star of `points` points around `centre`.
QPainterPath star(QPointF centre, double outer, double inner, int points = 5,
                  double turn = -M_PI / 2) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = turn + i * M_PI / points;
        const QPointF p(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

void fillWithInk(QPainter& p, const QPainterPath& path, const QBrush& brush, double ink = 1.2) {
    p.setPen(QPen(kInk, ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brush);
    p.drawPath(path);
}

// The wizard's pointed hat, bent at its tip, in the wizard's coordinates (22..62 across, 2..54
// down).
void drawHat(QPainter& p, double ink) {
    QPainterPath hat;
    hat.moveTo(22, 54);
    hat.cubicTo(30, 36, 34, 18, 44, 6);
    hat.cubicTo(50, 2, 56, 4, 60, 10);
    hat.cubicTo(54, 10, 50, 12, 50, 18);
    hat.cubicTo(54, 30, 58, 42, 62, 54);
    hat.closeSubpath();
    QLinearGradient fill(22, 0, 62, 0);
    fill.setColorAt(0, kHatShade);
    fill.setColorAt(0.5, kHat);
    fill.setColorAt(1, kHatShade);
    fillWithInk(p, hat, fill, ink);
}

// The wizard, in the side picture's coordinates (about 0..100 across, 0..170 down), the wand
// held out to the right with its tip near (99, 80).
void drawWizard(QPainter& p) {
    // The robe, wider at the hem, with a few stars.
    QPainterPath robe;
    robe.moveTo(27, 78);
    robe.lineTo(57, 78);
    robe.cubicTo(64, 110, 70, 140, 76, 168);
    robe.lineTo(8, 168);
    robe.cubicTo(14, 140, 20, 110, 27, 78);
    QLinearGradient robeFill(8, 0, 76, 0);
    robeFill.setColorAt(0, kRobeShade);
    robeFill.setColorAt(0.45, kRobe);
    robeFill.setColorAt(1, kRobeShade);
    fillWithInk(p, robe, robeFill);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawPath(star({24, 140}, 4, 1.7));
    p.drawPath(star({52, 124}, 3.2, 1.4));
    p.drawPath(star({40, 154}, 3.6, 1.5));
    p.drawPath(star({58, 152}, 2.6, 1.1));

    // The arm held out, its wide sleeve, the hand and the wand.
    QPainterPath sleeve;
    sleeve.moveTo(50, 84);
    sleeve.cubicTo(62, 86, 74, 92, 82, 96);
    sleeve.lineTo(78, 108);
    sleeve.cubicTo(68, 106, 58, 104, 50, 102);
    sleeve.closeSubpath();
    fillWithInk(p, sleeve, kRobe);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(84, 101), 5, 4.5);
    p.setPen(QPen(kInk, 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(85, 99), QPointF(97, 83));
    p.setPen(QPen(kWand, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(85, 99), QPointF(97, 83));
    fillWithInk(p, star({99, 80}, 6, 2.6), kGold, 1);

    // The face and the long beard.
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kSkin);
    p.drawEllipse(QRectF(30, 52, 24, 24));
    QPainterPath beard;
    beard.moveTo(29, 66);
    beard.cubicTo(33, 74, 38, 72, 42, 72);
    beard.cubicTo(46, 72, 51, 74, 55, 66);
    beard.cubicTo(57, 82, 52, 98, 42, 114);
    beard.cubicTo(32, 98, 27, 82, 29, 66);
    fillWithInk(p, beard, kBeard);
    p.setPen(QPen(QColor(200, 200, 214), 1));
    p.drawLine(QPointF(38, 80), QPointF(40, 100));
    p.drawLine(QPointF(46, 80), QPointF(44, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(37.5, 62), 1.4, 1.6);
    p.drawEllipse(QPointF(46.5, 62), 1.4, 1.6);
    p.setBrush(QColor(232, 160, 140));
    p.drawEllipse(QPointF(42, 67), 2.4, 2);

    // The pointed hat, bent at its tip, with its brim and stars.
    drawHat(p, 1.2);
    fillWithInk(
        p,
        [] {
            QPainterPath brim;
            brim.addEllipse(QRectF(14, 49, 56, 11));
            return brim;
        }(),
        kHat);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawPath(star({41, 38}, 4.2, 1.8));
    p.drawPath(star({49, 24}, 2.8, 1.2));
    p.drawPath(star({36, 48}, 2.4, 1));
}

// A page of a web document with its text and a block of script, the top-right corner folded.
void drawPage(QPainter& p, const QRectF& r) {
    const double fold = r.width() * 0.22;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    fillWithInk(p, sheet, Qt::white, std::max(1.0, r.width() / 40));
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    fillWithInk(p, corner, QColor(214, 218, 232), std::max(1.0, r.width() / 40));

    // The page's own text, then the script that arrives: a tag and indented lines of code.
    const double line = r.height() / 11;
    const double left = r.left() + r.width() * 0.12;
    const double width = r.width() * 0.76;
    const auto bar = [&](double row, double from, double length, const QColor& colour) {
        p.setPen(QPen(colour, std::max(1.0, line * 0.42), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(left + from * width, r.top() + line * (row + 1)),
                   QPointF(left + (from + length) * width, r.top() + line * (row + 1)));
    };
    const QColor text(150, 156, 176), tag(222, 110, 30), code(46, 110, 200), words(40, 150, 90);
    bar(0.6, 0, 0.55, QColor(60, 64, 90));
    bar(2, 0, 0.95, text);
    bar(3, 0, 0.8, text);
    bar(4.5, 0, 0.45, tag);
    bar(5.5, 0.15, 0.55, code);
    bar(6.5, 0.15, 0.35, words);
    bar(6.5, 0.55, 0.3, code);
    bar(7.5, 0.15, 0.6, code);
    bar(8.5, 0, 0.5, tag);
}

// Small four-pointed sparkles along a line from `from` to `to`.
void drawSparkles(QPainter& p, QPointF from, QPointF to, int count, double size) {
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.5) / count;
        const QPointF at = from + (to - from) * t + QPointF(0, std::sin(t * 6.0) * size);
        const double s = size * (i % 2 == 0 ? 1.0 : 0.65);
        fillWithInk(p, star(at, s, s * 0.35, 4, 0), kGold, std::max(0.8, size / 5));
    }
}

// Every pixel of `drawing` that is more drawn than not, laid over the outline colour so that
// its edge darkens instead of fading; every other pixel the key.
QImage onKey(const QImage& drawing, QRgb key) {
    QImage out(drawing.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 0; x < drawing.width(); ++x) {
            const QColor c = QColor::fromRgba(drawing.pixel(x, y));
            if (c.alpha() < 128) {
                out.setPixel(x, y, key);
                continue;
            }
            const double a = c.alphaF();
            const auto mix = [a](int over, int under) {
                return int(std::lround(over * a + under * (1 - a)));
            };
            out.setPixel(x, y,
                         qRgb(mix(c.red(), kInk.red()), mix(c.green(), kInk.green()),
                              mix(c.blue(), kInk.blue())));
        }
    }
    return out;
}

QImage transparentCanvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage sidePicture() {
    QImage drawing = transparentCanvas({109, 176});
    QPainter p(&drawing);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(2, 3);
    drawWizard(p);
    drawSparkles(p, {100, 90}, {94, 118}, 3, 3.2);
    p.save();
    p.translate(80, 145);
    p.rotate(6);
    drawPage(p, QRectF(-20, -25, 42, 52));
    p.restore();
    p.end();
    return onKey(drawing, kSidePictureKey);
}

QImage splashPicture() {
    QImage image(471, 285, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, 285);
    sky.setColorAt(0, QColor(188, 208, 246));
    sky.setColorAt(0.55, QColor(232, 238, 252));
    sky.setColorAt(1, QColor(250, 250, 255));
    p.fillRect(image.rect(), sky);
    // A few stars in the sky behind the wizard.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    for (const QPointF at : {QPointF(20, 24), QPointF(150, 14), QPointF(120, 60), QPointF(24, 120)})
        p.drawPath(star(at, 4, 1.5, 4, 0));

    // The wizard, large, on the left, casting script towards the page on the right.
    p.save();
    p.translate(6, 14);
    p.scale(1.45, 1.45);
    drawWizard(p);
    p.restore();
    drawSparkles(p, {158, 150}, {306, 186}, 7, 5);
    p.save();
    p.translate(376, 200);
    p.rotate(-4);
    drawPage(p, QRectF(-58, -44, 116, 88));
    p.restore();

    // The name and what it is.
    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(68);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    const QRect name(186, 14, 276, 80);
    p.setPen(QColor(255, 255, 255));
    p.drawText(name.translated(3, 3), Qt::AlignCenter, QStringLiteral("Vorrel"));
    p.setPen(QColor(28, 32, 112));
    p.drawText(name, Qt::AlignCenter, QStringLiteral("Vorrel"));
    QFont subtitle(QStringLiteral("Liberation Sans"));
    subtitle.setPixelSize(15);
    p.setFont(subtitle);
    p.setPen(QColor(70, 70, 120));
    p.drawText(QRect(186, 92, 276, 22), Qt::AlignCenter,
               QStringLiteral("JavaScript tools for your web pages"));
    return image;
}

const QList<QRgb> kGlyphPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

// Drawn pixel for pixel in the 16 colours, without smoothing, so that it stays crisp.
QImage previewGlyph() {
    QImage image(28, 26, QImage::Format_RGB32);
    image.fill(kGlyphPalette[13]); // the transparent key
    QPainter p(&image);
    const QColor black(kGlyphPalette[0]), white(kGlyphPalette[15]), grey(kGlyphPalette[8]),
        silver(kGlyphPalette[7]), navy(kGlyphPalette[4]), maroon(kGlyphPalette[1]),
        olive(kGlyphPalette[3]), aqua(kGlyphPalette[14]), teal(kGlyphPalette[6]);
    // The page, with its folded corner and lines of text.
    p.setPen(black);
    p.setBrush(white);
    p.drawPolygon(QPolygon({{1, 1}, {12, 1}, {16, 5}, {16, 23}, {1, 23}}));
    p.setBrush(silver);
    p.drawPolygon(QPolygon({{12, 1}, {12, 5}, {16, 5}}));
    p.setPen(navy);
    for (int y : {8, 11, 14, 17, 20})
        p.drawLine(4, y, y == 8 ? 10 : 8, y);
    // The lens over the page, and its handle.
    p.setPen(Qt::NoPen);
    p.setBrush(aqua);
    p.drawEllipse(QPoint(17, 12), 5, 5);
    p.setBrush(white);
    p.drawRect(14, 9, 2, 2);
    p.setPen(QPen(black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(17, 12), 6, 6);
    p.setPen(QPen(teal, 1));
    p.drawArc(QRect(12, 7, 10, 10), 200 * 16, 120 * 16);
    p.setPen(QPen(maroon, 3, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(22, 18, 25, 22);
    p.setPen(QPen(olive, 1));
    p.drawLine(21, 18, 24, 22);
    p.setPen(grey);
    p.drawPoint(26, 24);
    return image;
}

QImage appIcon(int size) {
    QImage image = transparentCanvas({size, size});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    const bool small = size <= 24;
    // The page, then the wizard's hat in front of its lower left, a star beside it.
    p.save();
    p.translate(36, 31);
    p.rotate(6);
    if (small) {
        fillWithInk(
            p,
            [] {
                QPainterPath page;
                page.addRect(QRectF(-20, -26, 40, 52));
                return page;
            }(),
            Qt::white, 3);
        p.setPen(QPen(QColor(46, 110, 200), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-12, -14), QPointF(10, -14));
        p.setPen(QPen(QColor(222, 110, 30), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-12, -2), QPointF(4, -2));
    } else {
        drawPage(p, QRectF(-20, -26, 40, 52));
    }
    p.restore();
    p.save();
    p.translate(-18, 6);
    drawHat(p, small ? 3 : 2);
    p.restore();
    fillWithInk(p, star({23, 42}, small ? 8 : 6, small ? 3.5 : 2.6), kGold, small ? 2 : 1.5);
    if (!small)
        fillWithInk(p, star({55, 9}, 6, 2.4, 4, 0), kGold, 1.2);
    return image;
}

} // namespace artwork
