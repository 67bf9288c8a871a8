// SPDX-License-Identifier: MIT
#include "scripts/FilesToCopy.h"

namespace vorrel {

std::string buttonImageFiles(const std::vector<AnimatedButton>& buttons) {
    std::string files;
    for (const auto& button : buttons) {
        files += button.defaultImage;
        files += ';';
        files += button.mouseOverImage;
        files += ';';
    }
    return files;
}

std::string jumpImageFiles(std::string_view jumpImage) {
    std::string files(jumpImage);
    files += ';';
    return files;
}

std::string filesToCopy(const WizardState& state) {
    switch (state.tool) {
    case ScriptTool::AnimatedButtons:
        return buttonImageFiles(state.buttons);
    case ScriptTool::JumpList:
        return jumpImageFiles(state.jumpImage);
    default:
        return {};
    }
}

} // namespace vorrel
