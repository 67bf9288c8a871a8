// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace artwork {

// The pictures of the wizard putting script into a page.

// The side picture of the wizard windows, 109 × 176 times `scale` (1, or 2 for screens of
// 200 %), on one key colour (its bottom-left pixel) that the program replaces by the window's
// own; the figure's edges against it are hard, so no fringe of the key shows on a light or a dark
// window.
QImage sidePicture(int scale = 1);
inline constexpr QRgb kSidePictureKey = 0xFFFF00FF; // magenta, nowhere in the figure

// The splash, 471 × 285 times `scale`, light and calm where the program writes the version (at
// 288, 128) and a notice (at 155, 260).
QImage splashPicture(int scale = 1);

} // namespace artwork
