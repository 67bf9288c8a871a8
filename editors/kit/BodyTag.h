// SPDX-License-Identifier: MIT
#pragma once

#include "editors/kit/ParsedHtml.h"
#include "editors/kit/Placement.h"

#include <string_view>

namespace kit {

// The edit that puts attribute text into the body start tag of `page`: before the tag's ">"
// (or "/>"), or as a "<body ...>" tag of its own where the body begins without one. An
// attribute the body already has takes the new value after its own (`onload="a();b()"`), so
// that both run; a browser would ignore the second attribute.
Edit bodyTagEdit(const ParsedHtml& page, const GumboNode& body, std::string_view text);

} // namespace kit
