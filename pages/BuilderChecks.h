// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardState.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace vorrel {

// The checks of the two list builder pages. Each returns the messages of every check that fails,
// in the order the user is shown them; an empty list lets the action go on. "Empty" means a text
// of length zero: nothing is trimmed.

inline constexpr std::string_view kNeedDefaultImage =
    "You need to have text in the Default Image box.";
inline constexpr std::string_view kNeedMouseOverImage =
    "You need to have text in the MouseOver Image box.";
inline constexpr std::string_view kNeedImageText = "You need to have text in the Image Text box.";
inline constexpr std::string_view kNeedButtonUrl = "You need to have text in the URL Target box.";
inline constexpr std::string_view kNeedImageSize =
    "You need to specify an Image Height and an Image Width.";
inline constexpr std::string_view kNoButtons =
    "There is nothing to insert into your HTML document.";

inline constexpr std::string_view kNeedLabel = "You must have something in the Label box.";
inline constexpr std::string_view kNeedJumpUrl = "You must have something in the URL Target box.";
inline constexpr std::string_view kNeedJumpImage = "You must choose an image to click";
inline constexpr std::string_view kNoJumpTargets = "You have no items in your list";

using Problems = std::vector<std::string_view>;

// Add on the Animated Buttons page.
Problems addButtonProblems(const AnimatedButton& entry);
// Next on the Animated Buttons page.
Problems buttonListProblems(std::string_view width, std::string_view height,
                            std::size_t buttonCount);
// Add on the Jump List page.
Problems addJumpTargetProblems(const JumpTarget& entry);
// Next on the Jump List page.
Problems jumpListProblems(std::string_view image, std::size_t targetCount);

} // namespace vorrel
