// SPDX-License-Identifier: MIT
#include "scripts/AnimatedButtonTemplates.h"
#include "scripts/JumpListTemplates.h"
#include "scripts/LauncherTemplates.h"
#include "scripts/SimpleToolPieces.h"
#include "scripts/ToolTemplates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorrel {
namespace {

// Where a line feed stands without a carriage return before it, or npos.
std::size_t loneLineFeed(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            return i;
        }
    }
    return std::string_view::npos;
}

TEST(LineEnds, LoneLineFeedIsFound) {
    EXPECT_EQ(loneLineFeed("a\r\nb"), std::string_view::npos);
    EXPECT_EQ(loneLineFeed("a\r\nb\n"), 4u);
    EXPECT_EQ(loneLineFeed("\n"), 0u);
}

TEST(LineEnds, EveryBuilderWritesCrLfOnly) {
    const std::vector<AnimatedButton> buttons = {{"/a.gif", "b.gif", "t", "u"},
                                                 {"/c.gif", "d.gif", "t2", "u2"}};
    const std::vector<JumpTarget> targets = {{"l1", "u1"}, {"l2", "u2"}};
    WizardState state;
    state.caption = "Cap";
    state.pageFileName = "p.htm";

    std::vector<std::string> outputs = {
        std::string(clockScriptBlock()),
        std::string(clockForm()),
        std::string(clockBodyTag()),
        std::string(timerScriptBlock()),
        std::string(timerForm()),
        std::string(timerBodyTag()),
        std::string(searchPadScriptBlock()),
        std::string(searchPadForm()),
        std::string(ispCostScriptBlock()),
        std::string(ispCostForm()),
        std::string(menuFunctionsBlock()),
        std::string(onImgBlock()),
        std::string(animatedButtonsScriptStart()),
        buttonLinks(buttons, "20", "20"),
        jumpListHead(targets),
        launcherButton(state),
        autoOpenScript(state),
    };
    for (auto variant : {TemplateVariant::Insertion, TemplateVariant::Page}) {
        outputs.push_back(animatedButtonsHead(buttons, "20", "20", true, variant));
        for (auto& piece : animatedButtonsHeadOpeningPieces(buttons, "20", "20", true, variant)) {
            outputs.push_back(piece);
        }
        outputs.push_back(std::string(preloadClosing(variant)));
        outputs.push_back(jumpSelector("Cap", targets, "i.gif", "t", variant));
        for (int tool = 0; tool < 7; ++tool) {
            outputs.push_back(toolHeadingAndForm(toolFromIndex(tool), "Cap", variant));
            outputs.push_back(std::string(toolBodyTag(toolFromIndex(tool))));
        }
    }
    for (const auto& text : outputs) {
        EXPECT_EQ(loneLineFeed(text), std::string_view::npos) << text;
    }
}

} // namespace
} // namespace vorrel
