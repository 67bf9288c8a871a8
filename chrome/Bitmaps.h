// SPDX-License-Identifier: MIT
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
// when there is none of that name. On a screen of more than 100 % (`devicePixelRatio` above 1)
// the source of twice the size ("bmpFullWiz@2x") is taken where there is one; its device pixel
// ratio of 2 keeps its size on the screen that of the plain one.
QImage loadBitmap(const QString& name, qreal devicePixelRatio = 1);

// A bitmap whose bottom-left pixel's colour is transparent, as a button's glyph is drawn.
QPixmap glyphPixmap(const QString& name, qreal devicePixelRatio = 1);

} // namespace vorrel
