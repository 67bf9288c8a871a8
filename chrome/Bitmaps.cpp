// SPDX-License-Identifier: MIT
#include "chrome/Bitmaps.h"

#include <QBitmap>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace vorrel {

QImage readImage(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

namespace {
QImage bitmapNamed(const QString& name) {
    const QDir bitmaps(QStringLiteral(":/bitmaps"));
    for (const QFileInfo& file : bitmaps.entryInfoList(QDir::Files))
        if (file.completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return readImage(file.filePath());
    return {};
}
} // namespace

QImage loadBitmap(const QString& name, qreal devicePixelRatio) {
    if (devicePixelRatio > 1) {
        QImage doubled = bitmapNamed(name + QStringLiteral("@2x"));
        if (!doubled.isNull()) {
            doubled.setDevicePixelRatio(2);
            return doubled;
        }
    }
    return bitmapNamed(name);
}

QPixmap glyphPixmap(const QString& name, qreal devicePixelRatio) {
    const QImage image = loadBitmap(name, devicePixelRatio);
    if (image.isNull())
        return {};
    QPixmap glyph = QPixmap::fromImage(image);
    glyph.setMask(QBitmap::fromImage(
        image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
    return glyph;
}

} // namespace vorrel
