// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorrel {

// A text as its lines, split at CR LF, LF or CR. A line break at the very end adds no empty last
// line, and an empty text has no lines.
std::vector<std::string> splitLines(std::string_view text);

} // namespace vorrel
