// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardState.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorrel {

// The image files that must sit beside the target document, as full paths each followed by ";"
// (the last one too).

// Each button's normal image, then its mouse-over image, in list order.
std::string buttonImageFiles(const std::vector<AnimatedButton>& buttons);

// The Jump List's one image.
std::string jumpImageFiles(std::string_view jumpImage);

// The list for the state's tool; empty for the tools that have no images.
std::string filesToCopy(const WizardState& state);

} // namespace vorrel
