// SPDX-License-Identifier: MIT
#include "app/WizardFlow.h"
#include "app/PreviewPages.h"

#include <gtest/gtest.h>

namespace vorrel {
namespace {

TEST(WizardFlow, FirstPagePerTool) {
    EXPECT_EQ(firstPageFor(ScriptTool::Clock), WizardWindow::Options);
    EXPECT_EQ(firstPageFor(ScriptTool::Timer), WizardWindow::Options);
    EXPECT_EQ(firstPageFor(ScriptTool::SearchPad), WizardWindow::Options);
    EXPECT_EQ(firstPageFor(ScriptTool::IspCostCalculator), WizardWindow::Options);
    EXPECT_EQ(firstPageFor(ScriptTool::AnimatedButtons), WizardWindow::ButtonListBuilder);
    EXPECT_EQ(firstPageFor(ScriptTool::PopupWindow), WizardWindow::HtmlTextPage);
    EXPECT_EQ(firstPageFor(ScriptTool::JumpList), WizardWindow::JumpListBuilder);
    EXPECT_EQ(firstPageFor(ScriptTool::None), std::nullopt);
}

TEST(WizardFlow, BackPageRoundTripsThroughTheWindowsThatSetIt) {
    for (auto window : {WizardWindow::ToolPicker, WizardWindow::ButtonListBuilder,
                        WizardWindow::HtmlTextPage, WizardWindow::JumpListBuilder}) {
        auto back = backPageSetBy(window);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(optionsBackTarget(*back), window);
    }
    EXPECT_EQ(backPageSetBy(WizardWindow::Options), std::nullopt);
    EXPECT_EQ(backPageSetBy(WizardWindow::SeparateWindowOptions), std::nullopt);
}

TEST(WizardFlow, PopupWindowIsNeverShownInTheCurrentPage) {
    EXPECT_EQ(effectiveDisplayMethod(ScriptTool::PopupWindow, DisplayMethod::InCurrentPage),
              DisplayMethod::AutoOpenWindow);
    EXPECT_EQ(effectiveDisplayMethod(ScriptTool::PopupWindow, DisplayMethod::ButtonOpensWindow),
              DisplayMethod::ButtonOpensWindow);
    EXPECT_EQ(effectiveDisplayMethod(ScriptTool::Clock, DisplayMethod::InCurrentPage),
              DisplayMethod::InCurrentPage);
}

TEST(WizardFlow, OptionsPageFinishesOnlyInTheCurrentPage) {
    EXPECT_EQ(optionsNextCaption(DisplayMethod::InCurrentPage), "Finished");
    EXPECT_EQ(optionsNextCaption(DisplayMethod::ButtonOpensWindow), "Next >>");
    EXPECT_EQ(optionsNextCaption(DisplayMethod::AutoOpenWindow), "Next >>");
    EXPECT_TRUE(optionsNextFinishes("Finished"));
    EXPECT_FALSE(optionsNextFinishes("finished"));
    EXPECT_FALSE(optionsNextFinishes("Next >>"));
}

TEST(WizardFlow, OptionsFieldsFollowTheDisplayMethod) {
    EXPECT_EQ(optionsFieldsEnabled(DisplayMethod::InCurrentPage), (OptionsFields{false, false}));
    EXPECT_EQ(optionsFieldsEnabled(DisplayMethod::ButtonOpensWindow), (OptionsFields{true, true}));
    EXPECT_EQ(optionsFieldsEnabled(DisplayMethod::AutoOpenWindow), (OptionsFields{true, false}));
}

TEST(WizardFlow, PageFileNameIsTheFirstThreeCharactersOfTheCaption) {
    const std::pair<std::string, std::string> cases[] = {{"Clock", "Clo.htm"},
                                                         {"ISP Cost Calculator", "ISP.htm"},
                                                         {"Search Pad", "Sea.htm"},
                                                         {"Ab", "Ab.htm"},
                                                         {"", ".htm"},
                                                         {"Grüße", "Grü.htm"},
                                                         {"日本語です", "日本語.htm"},
                                                         {"a b c", "a b.htm"}};
    for (const auto& [caption, expected] : cases)
        EXPECT_EQ(defaultPageFileName(caption), expected) << caption;
}

TEST(PreviewPages, ByToolAndMode) {
    const char* expected[7][2] = {{"clock.htm", "fmclock.htm"}, {"timer.htm", "fmtimer.htm"},
                                  {"srch.htm", "fmsrch.htm"},   {"anbt.htm", "fmanbt.htm"},
                                  {"time2.htm", "fmcost.htm"},  {"fmpopup.htm", "fmpopup.htm"},
                                  {"jlist.htm", "fmjlist.htm"}};
    for (int tool = 0; tool < 7; ++tool) {
        EXPECT_EQ(previewPageName(ScriptTool(tool), PreviewMode::WholePage), expected[tool][0]);
        EXPECT_EQ(previewPageName(ScriptTool(tool), PreviewMode::SeparateFrame), expected[tool][1]);
        EXPECT_EQ(previewPageName(ScriptTool(tool), PreviewMode::AllAsButtons), "test.htm");
    }
    EXPECT_EQ(previewPageName(ScriptTool::None, PreviewMode::WholePage), "");
    EXPECT_EQ(previewPageName(ScriptTool::None, PreviewMode::SeparateFrame), "");
    EXPECT_EQ(previewPageName(ScriptTool::None, PreviewMode::AllAsButtons), "test.htm");
}

TEST(ScriptToolNames, ListOrderAndOutOfRange) {
    EXPECT_EQ(toolName(ScriptTool::IspCostCalculator), "ISP Cost Calculator");
    EXPECT_EQ(toolName(ScriptTool::None), "");
    EXPECT_EQ(toolFromIndex(6), ScriptTool::JumpList);
    EXPECT_EQ(toolFromIndex(-1), ScriptTool::None);
    EXPECT_EQ(toolFromIndex(7), ScriptTool::None);
}

} // namespace
} // namespace vorrel
