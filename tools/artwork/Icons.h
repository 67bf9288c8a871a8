// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace artwork {

// The Preview button's glyph, 28 × 26, in the 16 colours of kGlyphPalette; its bottom-left
// pixel's colour is the transparent key.
QImage previewGlyph();
extern const QList<QRgb> kGlyphPalette;

// The program's icon at `size` × `size`, on a transparent ground.
QImage appIcon(int size);

// The icon as a drawing that scales, for desktops that prefer one.
QByteArray appIconSvg();

} // namespace artwork
