// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace vorrel {

// Headings above a tool's markup. The centered one leaves its <center> open: whoever places the
// tool's markup after it closes it with "</center>".
std::string plainHeading(std::string_view caption);
std::string centeredHeading(std::string_view caption);

// Fixed text of the self-contained tools: a head script, the form it drives, and the hooks that
// start and stop it. The body attributes go into an existing body tag (with their leading blank);
// the body tags replace the page's own "</HEAD>" and "<BODY>".
std::string_view clockScriptBlock();
std::string_view clockForm();
std::string_view clockBodyAttributes();
std::string_view clockBodyTag();

std::string_view timerScriptBlock();
std::string_view timerForm();
std::string_view timerBodyAttributes();
std::string_view timerBodyTag();

std::string_view searchPadScriptBlock();
std::string_view searchPadForm();

std::string_view ispCostScriptBlock();
std::string_view ispCostForm();

// The body tag of a page whose tool needs no start or stop hook.
std::string_view plainBodyTag();

} // namespace vorrel
