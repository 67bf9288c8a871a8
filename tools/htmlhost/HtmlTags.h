#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace htmlhost {

// A stretch of the document's bytes, [begin, end).
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const Span&) const = default;
};

// Markup is looked up the way a browser would read it, so that a "</body>" written inside a
// comment, inside a script's string or inside a quoted attribute value is not taken for the
// real tag. Tag names compare without regard to case; `name` is given in lower case.

// The first start tag <name ...>, from its "<" to just past its ">".
std::optional<Span> findStartTag(std::string_view html, std::string_view name);

// The first end tag </name>, from its "<" to just past its ">".
std::optional<Span> findEndTag(std::string_view html, std::string_view name);

// The first comment whose whole text between "<!--" and "-->" is `text` (any letter case).
std::optional<Span> findComment(std::string_view html, std::string_view text);

} // namespace htmlhost
