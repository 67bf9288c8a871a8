// SPDX-License-Identifier: MIT
#pragma once

#include "app/ScriptTool.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vorrel {

enum class DisplayMethod : int { InCurrentPage = 0, ButtonOpensWindow = 1, AutoOpenWindow = 2 };

inline constexpr std::array<std::string_view, 3> kDisplayMethodNames = {
    "Display in current HTML page", "Insert button to load separate window",
    "Automatically display as separate window"};

// The page that Back on the Options page returns to.
enum class OptionsBackPage : int {
    ToolPicker = 1,
    ButtonListBuilder = 2,
    HtmlTextPage = 3,
    JumpListBuilder = 4,
};

struct AnimatedButton {
    std::string defaultImage;
    std::string mouseOverImage;
    std::string imageText;
    std::string urlTarget;
    bool operator==(const AnimatedButton&) const = default;
};

struct JumpTarget {
    std::string label;
    std::string urlTarget;
    bool operator==(const JumpTarget&) const = default;
};

// Everything the wizard gathers for one insertion. The live values sit in the windows' controls;
// this record is read off them when an insertion runs, so the generators work on plain values.
// All texts are UTF-8, exactly as typed.
struct WizardState {
    ScriptTool tool = ScriptTool::Clock;
    OptionsBackPage backPage = OptionsBackPage::ToolPicker;

    std::string caption;
    DisplayMethod displayMethod = DisplayMethod::InCurrentPage;
    std::string pageFileName;
    std::string buttonCaption;

    bool showToolbar = false;
    bool showStatusBar = false;
    bool showMenuBar = false;
    bool resizableWindow = false;
    bool showScrollbars = false;
    bool copyHistory = false;
    std::string windowWidth = "300";
    std::string windowHeight = "300";

    std::vector<AnimatedButton> buttons;
    std::string imageWidth = "20";
    std::string imageHeight = "20";
    bool suggestBrowserChange = false;

    std::string jumpImage;
    std::string jumpImageText;
    std::vector<JumpTarget> jumpTargets;

    std::vector<std::string> popupHtmlLines;
};

} // namespace vorrel
