// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace artwork {

// The picture with a palette of at most `colours` colours of its own, chosen by median cut so
// that gradients keep their shades; dithering hides the steps of a wide gradient. A picture with
// few enough colours keeps them exactly. The bottom-left pixel's colour is always kept exactly
// and taken by no other pixel, since it may be a key colour the program looks for.
QImage withPalette(const QImage& picture, int colours = 256, bool dither = false);

// A GIF of the picture (at most 256 colours).
QByteArray gifBytes(const QImage& picture);

// A BMP of 4 bits per pixel: the picture in the 16 colours of `palette`, each pixel the nearest.
QByteArray bmp4Bytes(const QImage& picture, const QList<QRgb>& palette);

// A BMP of 8 bits per pixel of an indexed picture, with its palette.
QByteArray bmp8Bytes(const QImage& indexed);

// Writes the bytes, or says why it could not.
bool writeFile(const QString& path, const QByteArray& bytes);
bool saveImage(const QImage& image, const QString& path, const char* format = nullptr);

} // namespace artwork
