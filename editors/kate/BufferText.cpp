// SPDX-License-Identifier: MIT
#include "BufferText.h"

#include <stdexcept>

namespace vorrelkate {

namespace {

bool isContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

BufferPosition bufferPosition(std::string_view text, std::size_t offset) {
    if (offset > text.size())
        throw std::out_of_range("position past the end of the document");
    if (offset < text.size() && isContinuationByte(static_cast<unsigned char>(text[offset])))
        throw std::out_of_range("position inside a character");
    BufferPosition position;
    for (std::size_t i = 0; i < offset; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++position.line;
            position.column = 0;
        } else if (!isContinuationByte(byte)) {
            // A four-byte sequence lies outside the Basic Multilingual Plane: a surrogate pair.
            position.column += byte >= 0xF0 ? 2 : 1;
        }
    }
    return position;
}

std::string bufferLines(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            lines += text[i];
            continue;
        }
        lines += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return lines;
}

} // namespace vorrelkate
