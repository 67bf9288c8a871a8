// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace htmlhost {

// One call as a line of JSON, {"method":"...","args":["...",...]}, without the line end.
// Text is taken as UTF-8 and kept as it is apart from the escapes JSON requires.
std::string logLine(std::string_view method, const std::vector<std::string>& args);

} // namespace htmlhost
