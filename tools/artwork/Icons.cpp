#include "Icons.h"

#include "Paint.h"
#include "Wizard.h"

#include <QPainter>

namespace artwork {

const QList<QRgb> kGlyphPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

QImage previewGlyph() {
    QImage image(28, 26, QImage::Format_RGB32);
    image.fill(kGlyphPalette[13]);
    return image;
}

QImage appIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QByteArray appIconSvg() {
    return {};
}

} // namespace artwork
