// SPDX-License-Identifier: MIT
#include "pages/BuilderChecks.h"

namespace vorrel {

namespace {
void requireText(Problems& problems, std::string_view text, std::string_view message) {
    if (text.empty())
        problems.push_back(message);
}
} // namespace

Problems addButtonProblems(const AnimatedButton& entry) {
    Problems problems;
    requireText(problems, entry.defaultImage, kNeedDefaultImage);
    requireText(problems, entry.mouseOverImage, kNeedMouseOverImage);
    requireText(problems, entry.imageText, kNeedImageText);
    requireText(problems, entry.urlTarget, kNeedButtonUrl);
    return problems;
}

Problems buttonListProblems(std::string_view width, std::string_view height,
                            std::size_t buttonCount) {
    Problems problems;
    if (width.empty() || height.empty())
        problems.push_back(kNeedImageSize);
    if (buttonCount == 0)
        problems.push_back(kNoButtons);
    return problems;
}

Problems addJumpTargetProblems(const JumpTarget& entry) {
    Problems problems;
    requireText(problems, entry.label, kNeedLabel);
    requireText(problems, entry.urlTarget, kNeedJumpUrl);
    return problems;
}

Problems jumpListProblems(std::string_view image, std::size_t targetCount) {
    Problems problems;
    requireText(problems, image, kNeedJumpImage);
    if (targetCount == 0)
        problems.push_back(kNoJumpTargets);
    return problems;
}

} // namespace vorrel
