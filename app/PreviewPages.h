// SPDX-License-Identifier: MIT
#pragma once

#include "app/ScriptTool.h"

#include <string_view>

namespace vorrel {

// The example page that shows a tool in a preview mode: every tool as a button for "All as
// buttons", else the tool's own page. Empty for no tool (the path is then the folder alone).
std::string_view previewPageName(ScriptTool tool, PreviewMode mode);

} // namespace vorrel
