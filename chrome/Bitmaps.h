#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace vorrel {

// The program's bitmap resources, by name without regard to case ("bmpFullWiz"). A null image
// when there is none of that name.
QImage loadBitmap(const QString& name);

// A bitmap whose bottom-left pixel's colour is transparent, as a button's glyph is drawn.
QPixmap glyphPixmap(const QString& name);

} // namespace vorrel
