// SPDX-License-Identifier: MIT
#include "chrome/GradientCaption.h"

#include <gtest/gtest.h>

namespace vorrel {
namespace {

TEST(GradientCaption, ColorTablesRunFromBlackToTheCaptionColour) {
    const ColorTable blue = buildColorTable({0, 0, 255}, 64);
    EXPECT_EQ(blue[0], (Rgb{0, 0, 0}));
    EXPECT_EQ(blue[1], (Rgb{0, 0, 4}));
    EXPECT_EQ(blue[32], (Rgb{0, 0, 130}));
    EXPECT_EQ(blue[63], (Rgb{0, 0, 255}));
    EXPECT_EQ(blue[64], (Rgb{0, 0, 0})); // beyond the colours in use
    // A half goes to the even neighbour: 1.5 to 2, 2.5 to 2.
    const ColorTable halves = buildColorTable({3, 5, 255}, 3);
    EXPECT_EQ(halves[1], (Rgb{2, 2, 128}));
    EXPECT_EQ(buildColorTable({10, 200, 30}, 256)[255], (Rgb{10, 200, 30}));
}

TEST(GradientCaption, GradientColorsTakesEightTo256AndRebuildsOnlyOnAChange) {
    GradientCaption caption({128, 128, 128}, {0, 0, 255});
    EXPECT_EQ(caption.gradientColors(), 64);
    EXPECT_EQ(caption.paintGradient(), TGFPaintWhen::gfpAlways);
    for (int ignored : {7, 257, 0, -8, 64})
        EXPECT_FALSE(caption.setGradientColors(ignored)) << ignored;
    EXPECT_EQ(caption.table(true)[63], (Rgb{0, 0, 255}));
    EXPECT_TRUE(caption.setGradientColors(8));
    EXPECT_EQ(caption.table(true)[7], (Rgb{0, 0, 255}));
    EXPECT_EQ(caption.table(false)[7], (Rgb{128, 128, 128}));
    EXPECT_TRUE(caption.setGradientColors(256));
    EXPECT_EQ(caption.table(true)[255], (Rgb{0, 0, 255}));
    caption.buildColorTables({1, 2, 3}, {250, 0, 0});
    EXPECT_EQ(caption.table(true)[255], (Rgb{250, 0, 0}));
}

TEST(GradientCaption, BandsCoverTheWidthWithoutGaps) {
    const auto eight = gradientBands(100, 8);
    ASSERT_EQ(eight.size(), 8u);
    EXPECT_EQ(eight[0], (std::pair{0, 12}));  // 12.5 rounds to 12
    EXPECT_EQ(eight[2], (std::pair{25, 38})); // 37.5 rounds to 38
    EXPECT_EQ(eight[7], (std::pair{88, 100}));
    for (int count : {8, 64, 256}) {
        const auto bands = gradientBands(417, count);
        ASSERT_EQ(bands.size(), std::size_t(count));
        EXPECT_EQ(bands.front().first, 0);
        EXPECT_EQ(bands.back().second, 417);
        for (std::size_t i = 1; i < bands.size(); ++i)
            EXPECT_EQ(bands[i].first, bands[i - 1].second);
    }
}

TEST(GradientCaption, AFixedWindowHasIconTextAndThreeButtons) {
    const CaptionLayout layout =
        captionLayout(423, BorderStyle::bsSingle, {true, true, false, false}, CaptionMetrics{});
    EXPECT_EQ(layout.caption, (Rect{3, 3, 420, 21}));
    EXPECT_EQ(layout.icon, (Rect{2, 1, 18, 17}));
    EXPECT_EQ(layout.close, (Rect{399, 2, 415, 16}));
    EXPECT_EQ(layout.maximize, (Rect{381, 2, 397, 16}));
    EXPECT_EQ(layout.minimize, (Rect{365, 2, 381, 16}));
    EXPECT_FALSE(layout.maximizeEnabled);
    EXPECT_TRUE(layout.minimizeEnabled);
    EXPECT_TRUE(layout.help.empty());
    EXPECT_EQ(layout.text, (Rect{20, 0, 364, 18}));
}

TEST(GradientCaption, OtherStylesAndNoSystemMenu) {
    const CaptionMetrics m;
    const CaptionLayout tool =
        captionLayout(200, BorderStyle::bsToolWindow, {false, false, false, false}, m);
    EXPECT_EQ(tool.caption, (Rect{3, 3, 197, 17}));
    EXPECT_TRUE(tool.icon.empty());
    EXPECT_EQ(tool.close, (Rect{181, 2, 192, 12}));
    EXPECT_EQ(tool.text.right, 176);
    const CaptionLayout dialog =
        captionLayout(200, BorderStyle::bsDialog, {true, false, false, true}, m);
    EXPECT_TRUE(dialog.icon.empty());
    EXPECT_TRUE(dialog.maximize.empty());
    EXPECT_EQ(dialog.help, (Rect{158, 2, 174, 16}));
    const CaptionLayout bare =
        captionLayout(200, BorderStyle::bsSizeable, {false, false, false, false}, m);
    EXPECT_EQ(bare.caption, (Rect{4, 4, 196, 22}));
    EXPECT_TRUE(bare.close.empty());
    EXPECT_FALSE(bare.minimize.empty()); // drawn, disabled, even without the icons
    EXPECT_FALSE(bare.minimizeEnabled);
    EXPECT_TRUE(captionLayout(200, BorderStyle::bsNone, {}, m).caption.empty());
}

TEST(GradientCaption, BackgroundByPaintGradientAndActivation) {
    GradientCaption caption({128, 128, 128}, {0, 0, 255});
    EXPECT_EQ(caption.background(true), (CaptionBackground{true, true, {}}));
    EXPECT_EQ(caption.background(false), (CaptionBackground{true, false, {}}));
    EXPECT_TRUE(caption.setPaintGradient(TGFPaintWhen::gfpActive));
    EXPECT_FALSE(caption.setPaintGradient(TGFPaintWhen::gfpActive));
    EXPECT_EQ(caption.background(true), (CaptionBackground{true, true, {}}));
    EXPECT_EQ(caption.background(false), (CaptionBackground{false, false, {128, 128, 128}}));
    caption.setPaintGradient(TGFPaintWhen::gfpNever);
    EXPECT_EQ(caption.background(true), (CaptionBackground{false, true, kSolidActiveCaption}));
    EXPECT_EQ(caption.background(false), (CaptionBackground{false, false, {128, 128, 128}}));
}

} // namespace
} // namespace vorrel
