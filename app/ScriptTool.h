// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace vorrel {

// The seven tools in the order the tool picker lists them.
enum class ScriptTool : int {
    None = -1,
    Clock = 0,
    Timer = 1,
    SearchPad = 2,
    AnimatedButtons = 3,
    IspCostCalculator = 4,
    PopupWindow = 5,
    JumpList = 6,
};

inline constexpr std::array<std::string_view, 7> kToolNames = {
    "Clock",        "Timer",    "Search Pad", "Animated Buttons", "ISP Cost Calculator",
    "Popup Window", "Jump List"};

// The display name of a tool; empty for ScriptTool::None.
constexpr std::string_view toolName(ScriptTool tool) {
    const int index = static_cast<int>(tool);
    return index >= 0 && index < static_cast<int>(kToolNames.size()) ? kToolNames[index]
                                                                     : std::string_view{};
}

// The list row of the tool picker as a tool; anything outside the list is no tool.
constexpr ScriptTool toolFromIndex(int index) {
    return index >= 0 && index < static_cast<int>(kToolNames.size())
               ? static_cast<ScriptTool>(index)
               : ScriptTool::None;
}

enum class PreviewMode : int { WholePage = 0, SeparateFrame = 1, AllAsButtons = 2 };

inline constexpr std::array<std::string_view, 3> kPreviewModeNames = {
    "As whole page", "As separate frame", "All as buttons"};

} // namespace vorrel
