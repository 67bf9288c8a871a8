// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardState.h"
#include "scripts/TemplateVariant.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorrel {

// The Jump List tool: a select of labels and an image that, clicked, opens the chosen target in
// the top frame. Jump cases count from 0 so that they match the select's index.

// The pieces of the head script: the opening, one case per target, the closing.
std::string_view jumpListScriptStart();
std::string jumpCase(std::size_t index, std::string_view urlTarget);
std::string_view jumpListTail();

// The whole head script.
std::string jumpListHead(const std::vector<JumpTarget>& targets);

// The pieces of the selector. The opening is the heading, the form and the select start tags
// with no line end after the last; each option has no line end of its own; the closing ends the
// select and the form, with a line end after the form.
std::string_view jumpFormOpening(TemplateVariant variant);
std::string_view jumpSelectOpening(TemplateVariant variant);
std::string jumpSelectorOpening(std::string_view caption, TemplateVariant variant);
std::string jumpOption(std::size_t index, std::string_view label);
std::string jumpSelectorClosing(std::string_view jumpImage, std::string_view jumpImageText);

// The heading and the whole selector, every option on a line of its own.
std::string jumpSelector(std::string_view caption, const std::vector<JumpTarget>& targets,
                         std::string_view jumpImage, std::string_view jumpImageText,
                         TemplateVariant variant);

} // namespace vorrel
