// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace kit {

// An attribute of a start tag as its bytes are written, found the way a browser's tokenizer
// reads them. gumbo's own record of where a value is written is wrong for values that begin with
// a character reference, so the kit reads the bytes itself.
struct WrittenAttribute {
    std::size_t nameStart = 0;
    std::size_t nameEnd = 0;
    std::size_t equals = 0;     // where the "=" is, when there is one
    bool hasEquals = false;     // "name=" with or without a value after it
    std::size_t valueStart = 0; // the value with its quotes; empty for "name" and "name=>"
    std::size_t valueEnd = 0;
    char quote = 0; // '"', '\'' or 0 for an unquoted (or missing) value

    // What stands between the quotes, or the unquoted value.
    std::string_view content(std::string_view document) const;
    // "name=" followed by nothing but blanks before the tag's end: whatever is written right
    // after it would become its value.
    bool awaitsValue() const { return hasEquals && valueStart == valueEnd; }
};

// The attribute whose name begins at `nameStart`.
WrittenAttribute writtenAttributeAt(std::string_view document, std::size_t nameStart);

// Every attribute of the start tag that begins at `tagStart` (its "<"), duplicates included, in
// the order written; `tagEnd` is where the tag's ">" is (or the document's end).
std::vector<WrittenAttribute> writtenAttributes(std::string_view document, std::size_t tagStart,
                                                std::size_t tagEnd);

} // namespace kit
