// SPDX-License-Identifier: MIT
#pragma once

// How a document's text as Kate holds it relates to the bytes the placement kit works on. Kate
// keeps lines without their ends and counts columns in UTF-16 units; the kit reads UTF-8 with
// "\n" between lines (Kate's document text), and the texts it inserts may carry "\r\n".

#include <cstddef>
#include <string>
#include <string_view>

namespace vorrelkate {

struct BufferPosition {
    int line = 0;
    int column = 0; // in UTF-16 code units
    bool operator==(const BufferPosition&) const = default;
};

// Where byte `offset` of `text` (UTF-8, lines joined by "\n") stands in Kate's buffer. An offset
// past the end or inside a character's bytes is a caller's fault: std::out_of_range.
BufferPosition bufferPosition(std::string_view text, std::size_t offset);

// `text` with every line end ("\r\n", "\r" or "\n") written as "\n", the way Kate reads a file:
// the document's own line ends are written back when it is saved.
std::string bufferLines(std::string_view text);

} // namespace vorrelkate
