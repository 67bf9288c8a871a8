// SPDX-License-Identifier: MIT
#include "scripts/LauncherTemplates.h"

#include <gtest/gtest.h>

namespace vorrel {
namespace {

WizardState popupState() {
    WizardState state;
    state.tool = ScriptTool::PopupWindow;
    state.caption = "  My Popup Window ";
    state.pageFileName = "pop up.htm";
    state.buttonCaption = "Open \"it\"";
    return state;
}

TEST(WindowFeatures, AllOffWithDefaultSize) {
    EXPECT_EQ(windowFeatures(WizardState{}),
              "toolbar=no,location=no,directories=no,status=no,menubar=no,scrollbars=no,"
              "resizable=no,copyhistory=no,width=300,height=300");
}

TEST(WindowFeatures, EachSwitchLandsOnItsOwnFeature) {
    WizardState state;
    state.showToolbar = true;
    state.showMenuBar = true;
    state.showScrollbars = true;
    state.windowWidth = "640";
    state.windowHeight = "";
    EXPECT_EQ(windowFeatures(state),
              "toolbar=yes,location=no,directories=no,status=no,menubar=yes,scrollbars=yes,"
              "resizable=no,copyhistory=no,width=640,height=");
    state = WizardState{};
    state.showStatusBar = true;
    state.resizableWindow = true;
    state.copyHistory = true;
    state.windowWidth = "1x";
    EXPECT_EQ(windowFeatures(state),
              "toolbar=no,location=no,directories=no,status=yes,menubar=no,scrollbars=no,"
              "resizable=yes,copyhistory=yes,width=1x,height=300");
}

TEST(Launchers, ButtonOpensThePageUnderTheWindowName) {
    EXPECT_EQ(launcherButton(popupState()),
              "\r\n<form>\r\n<input type=\"button\" value=\"Open \"it\"\" "
              "onClick=\"window.open('pop up.htm','My_Popup_Window','toolbar=no,location=no,"
              "directories=no,status=no,menubar=no,scrollbars=no,resizable=no,copyhistory=no,"
              "width=300,height=300')\"><BR>\r\n</form>");
}

TEST(Launchers, AutoOpenScript) {
    auto state = popupState();
    state.caption = "A  B";
    state.showToolbar = true;
    EXPECT_EQ(autoOpenScript(state),
              "\r\n<SCRIPT language=\"JavaScript\">\r\n<!--\r\n"
              "window.open('pop up.htm','A__B','toolbar=yes,location=no,directories=no,"
              "status=no,menubar=no,scrollbars=no,resizable=no,copyhistory=no,width=300,"
              "height=300')\r\n// -->\r\n</SCRIPT>");
    state.caption = "";
    EXPECT_NE(autoOpenScript(state).find("window.open('pop up.htm','','toolbar=yes"),
              std::string::npos);
}

} // namespace
} // namespace vorrel
