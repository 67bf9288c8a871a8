// SPDX-License-Identifier: MIT
#include "chrome/GradientCaption.h"

#include <cmath>

namespace vorrel {

namespace {

Rect inset(Rect r, int by) {
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

Rect movedLeft(Rect r, int by) {
    return {r.left - by, r.top, r.right - by, r.bottom};
}

// The nearest whole number, a half to the even one (the default rounding of the C library).
int nearest(double value) {
    return int(std::nearbyint(value));
}

} // namespace

CaptionLayout captionLayout(int windowWidth, BorderStyle style, BorderIcons icons,
                            const CaptionMetrics& m) {
    CaptionLayout layout;
    if (style == BorderStyle::bsNone)
        return layout;
    const bool sizeable = style == BorderStyle::bsSizeable || style == BorderStyle::bsSizeToolWin;
    const bool tool = style == BorderStyle::bsToolWindow || style == BorderStyle::bsSizeToolWin;
    const int fx = sizeable ? m.frameX : m.dialogFrameX;
    const int fy = sizeable ? m.frameY : m.dialogFrameY;
    Rect caption{fx, fy, windowWidth - fx, 0};
    caption.bottom = caption.top + (tool ? m.smallCaptionHeight : m.captionHeight) - 1;
    layout.caption = caption;

    Rect r{0, 0, caption.width(), caption.height()};
    r.left += 1;
    if (icons.systemMenu && (style == BorderStyle::bsSingle || style == BorderStyle::bsSizeable)) {
        layout.icon = {r.left + 1, r.top + 1, r.left + 1 + m.smallIcon, r.top + 1 + m.smallIcon};
        r.left += m.smallIcon + 1;
    }
    Rect b = inset(r, 2);
    if (tool) {
        b.left = b.right - m.smallSize + 2;
        layout.close = b;
        r.right = b.left - 5;
    } else {
        const int bw = m.smallIcon - 2;
        b.left = b.right - bw - 2;
        if (icons.systemMenu) {
            layout.close = b;
            b = movedLeft(b, bw + 4);
            r.right -= bw + 4;
        }
        if (style != BorderStyle::bsDialog) {
            layout.maximize = b;
            layout.maximizeEnabled = icons.maximize;
            b = movedLeft(b, bw + 2);
            layout.minimize = b;
            layout.minimizeEnabled = icons.minimize;
            b = movedLeft(b, bw + 2);
            r.right -= 2 * (bw + 2);
        }
        if (style == BorderStyle::bsDialog && icons.help) {
            layout.help = b;
            r.right -= bw + 2;
        }
        r.right -= 3;
    }
    r.left += 2;
    layout.text = r;
    return layout;
}

ColorTable buildColorTable(Rgb base, int count) {
    ColorTable table{};
    const double steps = count - 1;
    for (int i = 0; i < count && i < int(table.size()); ++i)
        table[std::size_t(i)] = {nearest(base.red / steps * i), nearest(base.green / steps * i),
                                 nearest(base.blue / steps * i)};
    return table;
}

std::vector<std::pair<int, int>> gradientBands(int width, int count) {
    std::vector<std::pair<int, int>> bands;
    for (int i = 0; i < count; ++i)
        bands.emplace_back(nearest(double(i) * width / count),
                           nearest(double(i + 1) * width / count));
    return bands;
}

GradientCaption::GradientCaption(Rgb inactiveCaption, Rgb activeCaption) {
    buildColorTables(inactiveCaption, activeCaption);
}

bool GradientCaption::setGradientColors(int count) {
    if (count == colors_ || count < 8 || count > 256)
        return false;
    colors_ = count;
    buildColorTables(inactiveCaption_, activeCaption_);
    return true;
}

bool GradientCaption::setPaintGradient(TGFPaintWhen when) {
    if (when == paintWhen_)
        return false;
    paintWhen_ = when;
    return true;
}

void GradientCaption::buildColorTables(Rgb inactiveCaption, Rgb activeCaption) {
    inactiveCaption_ = inactiveCaption;
    activeCaption_ = activeCaption;
    inactive_ = buildColorTable(inactiveCaption, colors_);
    active_ = buildColorTable(activeCaption, colors_);
}

CaptionBackground GradientCaption::background(bool active) const {
    if (paintWhen_ == TGFPaintWhen::gfpAlways || (paintWhen_ == TGFPaintWhen::gfpActive && active))
        return {true, active, {}};
    return {false, active, active ? kSolidActiveCaption : inactiveCaption_};
}

} // namespace vorrel
