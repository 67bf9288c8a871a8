#include "chrome/Bitmaps.h"

#include <QBitmap>
#include <QDir>
#include <QFileInfo>

namespace vorrel {

QImage loadBitmap(const QString& name) {
    const QDir bitmaps(QStringLiteral(":/bitmaps"));
    for (const QFileInfo& file : bitmaps.entryInfoList(QDir::Files))
        if (file.completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return QImage(file.filePath());
    return {};
}

QPixmap glyphPixmap(const QString& name) {
    const QImage image = loadBitmap(name);
    if (image.isNull())
        return {};
    QPixmap glyph = QPixmap::fromImage(image);
    glyph.setMask(QBitmap::fromImage(
        image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
    return glyph;
}

} // namespace vorrel
