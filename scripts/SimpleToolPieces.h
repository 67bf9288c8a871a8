// SPDX-License-Identifier: MIT
#pragma once

#include "app/ScriptTool.h"
#include "scripts/TemplateVariant.h"

#include <string>
#include <string_view>

namespace vorrel {

// The pieces of the self-contained tools (Clock, Timer, Search Pad, ISP Cost Calculator) picked
// by tool, so that both generators can treat the four alike. For any other tool the script block,
// the body attributes and the heading with form are empty.

std::string_view toolScriptBlock(ScriptTool tool);

// Attribute text for the document's existing body tag; empty for tools without start and stop
// hooks.
std::string_view toolBodyAttributes(ScriptTool tool);

// The body tag a separate page uses: the tool's own where it has start and stop hooks, else the
// plain one (for every tool, the list tools and Popup Window included).
std::string_view toolBodyTag(ScriptTool tool);

// The visible markup: the heading the generator uses for this tool, then the tool's form.
std::string toolHeadingAndForm(ScriptTool tool, std::string_view caption, TemplateVariant variant);

} // namespace vorrel
