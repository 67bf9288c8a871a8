#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace vorrel {

// One of the program's own pictures, in the format its suffix names. The format is not guessed
// from the contents: guessing makes Qt load every image format plug-in it has, which costs the
// start more than decoding all the pictures.
QImage readImage(const QString& path);

// The program's bitmap resources, by name without regard to case ("bmpFullWiz"). A null image
// when there is none of that name.
QImage loadBitmap(const QString& name);

// A bitmap whose bottom-left pixel's colour is transparent, as a button's glyph is drawn.
QPixmap glyphPixmap(const QString& name);

} // namespace vorrel
