// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace vorrel {

// The face of the wizard's windows at a size in pixels.
//
// The windows were laid out for a small bitmap sans serif whose text is about as wide as Arial's
// at 11 pixels. Liberation Sans has Arial's widths (fonts-liberation2 is installed with the
// program), so at 11 pixels every caption fits the place it was given; at 12 pixels it would be
// some 8 % wider and cut the longer ones. DejaVu Sans, Debian's default, is wider still and only
// a last resort.
inline QFont windowFont(int pixelSize, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace vorrel
