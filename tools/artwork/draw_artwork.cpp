// SPDX-License-Identifier: MIT
// Draws the program's pictures (the side picture, the splash, the glyphs, the icon) and the
// example pages' images, and writes them into the resources folder given, where they are kept:
//   make artwork
// Every picture is drawn here at its final size, pixel for pixel where it is small, so that it
// stays crisp; the pictures in resources/ are this program's output and are not edited.

#include "Icons.h"
#include "ImageFiles.h"
#include "Paint.h"
#include "Scenes.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

using namespace artwork;

namespace {

using Drawing = std::function<void(QPainter&)>;

// The drawing at `scale` times its size, for screens of that many times 100 %.
QImage draw(QSize size, const Drawing& drawing, int scale = 1) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    drawing(painter);
    return image;
}

// An open yellow folder, for the buttons that browse for a file.
void folder(QPainter& p) {
    const QColor edge(120, 84, 10);
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(236, 190, 70));
    // The back of the folder with its tab.
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6.5, 3.5);
    back.lineTo(7.5, 5.5);
    back.lineTo(13.5, 5.5);
    back.lineTo(13.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    // The front flap, opened towards the viewer.
    p.setBrush(QColor(252, 222, 120));
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(4.0, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(13.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
}

// A page dropping into a bowl, with a red arrow pointing down: add the entry to the list.
void addToList(QPainter& p) {
    // The bowl.
    QPainterPath bowl;
    bowl.moveTo(3, 18.5);
    bowl.lineTo(25, 18.5);
    bowl.cubicTo(25, 24, 21, 26.5, 14, 26.5);
    bowl.cubicTo(7, 26.5, 3, 24, 3, 18.5);
    QLinearGradient glaze(0, 18, 0, 27);
    glaze.setColorAt(0, QColor(110, 150, 210));
    glaze.setColorAt(1, QColor(40, 70, 140));
    p.setPen(QPen(QColor(25, 45, 95), 1));
    p.setBrush(glaze);
    p.drawPath(bowl);
    p.setPen(QPen(QColor(190, 210, 240), 1));
    p.drawLine(QPointF(5, 19.5), QPointF(23, 19.5));
    // The page, tilted as it falls, with a few lines of text.
    p.save();
    p.translate(9, 4);
    p.rotate(-12);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 9, 12));
    p.setPen(QPen(QColor(150, 160, 185), 1));
    for (double y = 3.5; y < 11; y += 2.5)
        p.drawLine(QPointF(2.5, y), QPointF(7.5, y));
    p.restore();
    // The arrow, beside the page, pointing into the bowl.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 25, 25));
    QPainterPath arrow;
    arrow.moveTo(20, 2);
    arrow.lineTo(24, 2);
    arrow.lineTo(24, 10);
    arrow.lineTo(27, 10);
    arrow.lineTo(22, 16);
    arrow.lineTo(17, 10);
    arrow.lineTo(20, 10);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

// A button of the Animated Buttons example: a rounded bar with its word, blue normally and
// orange under the mouse.
QImage exampleButton(const QString& word, bool lit) {
    QImage image(100, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = lit ? QColor(232, 120, 24) : QColor(44, 84, 170);
    p.setPen(QPen(base.darker(160), 1));
    p.setBrush(base);
    p.drawRoundedRect(QRectF(0.5, 0.5, 99, 23), 11, 11);
    // A lighter upper half, as light falling from above.
    p.setPen(Qt::NoPen);
    p.setBrush(base.lighter(125));
    p.drawRoundedRect(QRectF(3, 2, 94, 10), 5, 5);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 100, 24), Qt::AlignCenter, word);
    return image;
}

// The picture to click in the Jump List example: a green round button with a white arrow.
QImage goButton() {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(10, 80, 25), 1.2));
    p.setBrush(QColor(36, 150, 60));
    p.drawEllipse(QRectF(1.5, 1.5, 37, 37));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 190, 100));
    p.drawEllipse(QRectF(7, 4, 26, 14));
    QPainterPath arrow;
    arrow.moveTo(11, 16);
    arrow.lineTo(21, 16);
    arrow.lineTo(21, 10);
    arrow.lineTo(31, 20);
    arrow.lineTo(21, 30);
    arrow.lineTo(21, 24);
    arrow.lineTo(11, 24);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_artwork RESOURCES_FOLDER\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    for (const char* folder : {"images", "bitmaps", "icons", "examples"})
        resources.mkpath(QString::fromLatin1(folder));
    const auto in = [&resources](const QString& file) { return resources.filePath(file); };

    // Every picture of the windows has a source of twice its size beside it ("@2x"), which Qt
    // takes on screens of 200 %.
    bool ok = true;
    for (int scale : {1, 2}) {
        const QString at = scale == 1 ? QString() : QStringLiteral("@2x");
        ok = saveImage(draw({16, 16}, folder, scale), in("images/folder" + at + ".png")) && ok;
        ok = saveImage(draw({28, 28}, addToList, scale), in("images/add" + at + ".png")) && ok;

        const QImage side = sidePicture(scale);
        ok = saveImage(side, in("bitmaps/bmpFullWiz" + at + ".bmp"), "BMP") && ok;
        ok = writeFile(in("bitmaps/bmpHalfWiz" + at + ".bmp"), bmp8Bytes(withPalette(side, 256))) &&
             ok;
        ok = writeFile(in("bitmaps/splash" + at + ".bmp"),
                       bmp8Bytes(withPalette(splashPicture(scale), 256, true))) &&
             ok;
        const QImage glyph = scale == 1 ? previewGlyph() : scale2x(previewGlyph());
        ok = writeFile(in("bitmaps/preview" + at + ".bmp"), bmp4Bytes(glyph, kGlyphPalette)) && ok;
    }
    // The icon's sizes hold the caption bar's 2× ones: 32 for 16, 44 for 22, 48 for 24.
    for (int size : {16, 22, 24, 32, 44, 48, 64, 128, 256})
        ok = saveImage(appIcon(size), in(QString("icons/vorrel-%1.png").arg(size))) && ok;
    ok = writeFile(in("icons/vorrel.svg"), appIconSvg()) && ok;

    for (const char* word : {"Clock", "Timer", "Search"}) {
        const QString name = QString::fromLatin1(word).toLower();
        ok = writeFile(in("examples/" + name + ".gif"), gifBytes(exampleButton(word, false))) && ok;
        ok = writeFile(in("examples/" + name + "_on.gif"), gifBytes(exampleButton(word, true))) &&
             ok;
    }
    ok = writeFile(in("examples/go.gif"), gifBytes(goButton())) && ok;
    return ok ? 0 : 1;
}
