// SPDX-License-Identifier: MIT
#include "editors/kit/WrittenAttribute.h"

namespace kit {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

std::size_t skipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

// A name runs to a blank, "/", ">" or "="; a "=" that starts it is part of it.
std::size_t nameEnd(std::string_view text, std::size_t at) {
    if (at < text.size() && text[at] == '=')
        ++at;
    while (at < text.size() && !isBlank(text[at]) && text[at] != '/' && text[at] != '>' &&
           text[at] != '=')
        ++at;
    return at;
}

} // namespace

std::string_view WrittenAttribute::content(std::string_view document) const {
    const std::string_view written = document.substr(valueStart, valueEnd - valueStart);
    if (!quote)
        return written;
    const bool closed = written.size() >= 2 && written.back() == quote;
    return written.substr(1, written.size() - (closed ? 2 : 1));
}

WrittenAttribute writtenAttributeAt(std::string_view document, std::size_t nameStart) {
    WrittenAttribute attribute;
    attribute.nameStart = nameStart;
    attribute.nameEnd = nameEnd(document, nameStart);
    attribute.valueStart = attribute.valueEnd = attribute.nameEnd;
    std::size_t at = skipBlanks(document, attribute.nameEnd);
    if (at >= document.size() || document[at] != '=')
        return attribute;
    attribute.hasEquals = true;
    attribute.equals = at;
    at = skipBlanks(document, at + 1);
    attribute.valueStart = attribute.valueEnd = at;
    if (at >= document.size() || document[at] == '>')
        return attribute;
    if (document[at] == '"' || document[at] == '\'') {
        attribute.quote = document[at];
        const std::size_t close = document.find(attribute.quote, at + 1);
        attribute.valueEnd = close == std::string_view::npos ? document.size() : close + 1;
        return attribute;
    }
    while (at < document.size() && !isBlank(document[at]) && document[at] != '>')
        ++at;
    attribute.valueEnd = at;
    return attribute;
}

std::vector<WrittenAttribute> writtenAttributes(std::string_view document, std::size_t tagStart,
                                                std::size_t tagEnd) {
    std::vector<WrittenAttribute> attributes;
    std::size_t at = tagStart + 1;
    while (at < tagEnd && !isBlank(document[at]) && document[at] != '/' && document[at] != '>')
        ++at; // the tag's name
    for (;;) {
        // Blanks and a "/" that does not close the tag stand between attributes.
        while (at < tagEnd && (isBlank(document[at]) || document[at] == '/'))
            ++at;
        if (at >= tagEnd)
            return attributes;
        attributes.push_back(writtenAttributeAt(document, at));
        at = attributes.back().hasEquals ? attributes.back().valueEnd : attributes.back().nameEnd;
    }
}

} // namespace kit
