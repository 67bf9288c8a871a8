// SPDX-License-Identifier: MIT
#pragma once

// Where a host puts the wizard's texts in an HTML document: the places a browser sees, found by
// an HTML5 parser. Standard C++ only, shared by every host we ship (htmlhost, the Kate and gedit
// plugins), so each host only applies the edit with its own editor's calls.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

// A request the document cannot carry out; the text is what the wizard's user gets to read.
class PlacementError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Place {
    Head,    // where the head ends: before its end tag, or where it ends implicitly
    Body,    // where the body ends: before its end tag, or at the body's end
    BodyTag, // inside the body start tag, before its ">" (an attribute it has already is merged)
};

// Replace `removed` bytes at byte `offset` of the document by `inserted`.
struct Edit {
    std::size_t offset = 0;
    std::size_t removed = 0;
    std::string inserted;
    bool operator==(const Edit&) const = default;
};

// The one edit that puts `text` (UTF-8) at `place` in `document` (its bytes as they are on disk).
// Usually `inserted` is `text` and nothing is removed; but a body tag the page leaves out is
// written around the text (`<body` + text + `>`, or `<body>` before body text that would
// otherwise come before the body begins), and an event handler or class the body already has
// takes the new value after its own (`onload="a();b()"`), so that the edit may replace bytes of
// the body tag. Where the end of the page leaves open what would read the text as something
// else (a comment, a style or title, a template, SVG, a table), the end tags that the end of the
// page implies go before the text. Hosts apply it as one change. Throws PlacementError when the
// document has no such place: a frameset page has no body, a script left open at the end never
// runs and would take the text in, nothing ends a plaintext, and a handler of the body that is
// unfinished script cannot be joined.
Edit placeText(std::string_view document, Place place, std::string_view text);

// The edit that puts `text` in place of the first "<!--cursor-->" comment (in any letter case)
// that a browser reads as a comment, the way a stand-in for an editor's cursor is used; without
// one, the edit that puts it at `otherwise`.
Edit placeAtCursorMarker(std::string_view document, std::string_view text, Place otherwise);

// The paths of a copy list in which each path is followed by ";". Empty entries are dropped,
// and a last path without its ";" still counts.
std::vector<std::string> splitFileList(std::string_view list);

} // namespace kit
