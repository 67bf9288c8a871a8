// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <utility>
#include <vector>

namespace vorrel {

// A colour of 8 bits per component.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// A rectangle whose right and bottom edges lie just outside it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

// When the caption shows its gradient.
enum class TGFPaintWhen { gfpAlways = 0, gfpActive = 1, gfpNever = 2 };

enum class BorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

struct BorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = false;
    bool help = false;
};

// The sizes a caption is laid out by.
struct CaptionMetrics {
    int frameX = 4, frameY = 4;             // a sizeable window's border
    int dialogFrameX = 3, dialogFrameY = 3; // a fixed window's border
    int captionHeight = 19;                 // with the line under it
    int smallCaptionHeight = 15;            // of a tool window
    int smallIcon = 16;                     // the width and height of a small icon
    int smallSize = 13;                     // the width of a tool window's caption button
};

// Where everything of the caption bar goes. The caption is in window coordinates; all else is
// in the coordinates of the caption's own image, which starts at the caption's top-left corner.
struct CaptionLayout {
    Rect caption;
    Rect icon;                            // empty: no icon
    Rect close, maximize, minimize, help; // empty: no such button
    bool maximizeEnabled = false;
    bool minimizeEnabled = false;
    Rect text;
};
CaptionLayout captionLayout(int windowWidth, BorderStyle style, BorderIcons icons,
                            const CaptionMetrics& metrics);

// The gradient's colours: entry i of N is the base colour times i / (N − 1), each component
// rounded to the nearest whole number, a half to the even one. Entry 0 is black, entry N − 1
// the base colour. Entries from N on are black.
using ColorTable = std::array<Rgb, 256>;
ColorTable buildColorTable(Rgb base, int count);

// The N vertical bands of a gradient over `width` pixels, as [from, to) in x; band i has entry i.
std::vector<std::pair<int, int>> gradientBands(int width, int count);

// What fills the caption: the gradient of the active or the inactive table, or one colour.
struct CaptionBackground {
    bool gradient = true;
    bool activeTable = true;
    Rgb solid;
    bool operator==(const CaptionBackground&) const = default;
};
// The colour of an active caption that shows no gradient.
inline constexpr Rgb kSolidActiveCaption{0, 128, 0};

// The state of a gradient caption that needs no window: its two colour tables, how many colours
// they use and when the gradient is painted.
class GradientCaption {
public:
    GradientCaption(Rgb inactiveCaption, Rgb activeCaption);

    int gradientColors() const { return colors_; }
    // 8 to 256; another value, or the one already set, is ignored. True when it changed, which
    // rebuilds both tables; the caption is then to be painted again.
    bool setGradientColors(int count);

    TGFPaintWhen paintGradient() const { return paintWhen_; }
    bool setPaintGradient(TGFPaintWhen when);

    // The caption colours changed: both tables again.
    void buildColorTables(Rgb inactiveCaption, Rgb activeCaption);
    const ColorTable& table(bool active) const { return active ? active_ : inactive_; }

    CaptionBackground background(bool active) const;

private:
    int colors_ = 64;
    TGFPaintWhen paintWhen_ = TGFPaintWhen::gfpAlways;
    Rgb inactiveCaption_;
    Rgb activeCaption_;
    ColorTable inactive_{};
    ColorTable active_{};
};

} // namespace vorrel
