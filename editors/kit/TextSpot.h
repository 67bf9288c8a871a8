// SPDX-License-Identifier: MIT
#pragma once

#include "editors/kit/ParsedHtml.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kit {

// A place for text in a page, and the end tags (or comment end) that go before the text there,
// so that a browser reads the text as the page's own markup.
struct TextSpot {
    std::size_t offset = 0;
    std::string closing;
};

// The spot for text at `offset`. Where the page leaves something open there that would read the
// text as something else (an unfinished comment, raw text such as a style or title, a template,
// SVG or MathML, a table or select, which would move markup or drop it), it is closed first the
// way the end of the page closes it, innermost first. Throws PlacementError where closing would
// change the page or cannot be done: a script left open at the end never runs, and nothing ends
// a plaintext.
TextSpot textSpot(const ParsedHtml& page, std::size_t offset);
// The same from the nodes open at `offset`, as openAt gives them.
TextSpot textSpot(const ParsedHtml& page, std::size_t offset,
                  const std::vector<const GumboNode*>& open);

// The elements and unfinished comments still open at `offset`, outermost first.
std::vector<const GumboNode*> openAt(const ParsedHtml& page, std::size_t offset);

} // namespace kit
