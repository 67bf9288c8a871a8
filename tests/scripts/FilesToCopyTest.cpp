// SPDX-License-Identifier: MIT
#include "scripts/FilesToCopy.h"

#include <gtest/gtest.h>

namespace vorrel {
namespace {

TEST(FilesToCopy, ButtonsGiveNormalThenMouseOverImageEach) {
    WizardState state;
    state.tool = ScriptTool::AnimatedButtons;
    EXPECT_EQ(filesToCopy(state), "");
    state.buttons = {{"C:\\a\\1.gif", "C:\\a\\1on.gif", "t", "u"}};
    EXPECT_EQ(filesToCopy(state), "C:\\a\\1.gif;C:\\a\\1on.gif;");
    state.buttons.push_back({"/b/2.gif", "/b/2on.gif", "t", "u"});
    EXPECT_EQ(filesToCopy(state), "C:\\a\\1.gif;C:\\a\\1on.gif;/b/2.gif;/b/2on.gif;");
    state.buttons.push_back({"3.gif", "", "t", "u"});
    EXPECT_EQ(buttonImageFiles(state.buttons),
              "C:\\a\\1.gif;C:\\a\\1on.gif;/b/2.gif;/b/2on.gif;3.gif;;");
}

TEST(FilesToCopy, JumpListGivesItsImageEvenWhenEmpty) {
    WizardState state;
    state.tool = ScriptTool::JumpList;
    state.jumpImage = "/home/ann/go.gif";
    EXPECT_EQ(filesToCopy(state), "/home/ann/go.gif;");
    state.jumpImage.clear();
    EXPECT_EQ(filesToCopy(state), ";");
}

TEST(FilesToCopy, OtherToolsHaveNone) {
    WizardState state;
    state.buttons = {{"a.gif", "b.gif", "t", "u"}};
    state.jumpImage = "go.gif";
    for (auto tool : {ScriptTool::Clock, ScriptTool::Timer, ScriptTool::SearchPad,
                      ScriptTool::IspCostCalculator, ScriptTool::PopupWindow}) {
        state.tool = tool;
        EXPECT_EQ(filesToCopy(state), "") << toolName(tool);
    }
}

} // namespace
} // namespace vorrel
