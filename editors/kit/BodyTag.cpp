#include "editors/kit/BodyTag.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kit {

namespace {

// One change of a few bytes; a body-tag edit is made of several of them.
using Piece = Edit;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

// An attribute's value as written: its quote (0 when unquoted) and what stands between quotes.
struct Written {
    char quote = 0;
    std::string_view content;
};

Written writtenValue(const GumboAttribute& attribute) {
    const std::string_view raw(attribute.original_value.data, attribute.original_value.length);
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front())
        return {raw.front(), raw.substr(1, raw.size() - 2)};
    return {0, raw};
}

// gumbo gives an attribute without a value its name as the value as written.
bool hasValue(const GumboAttribute& attribute) {
    return attribute.original_value.data != attribute.original_name.data;
}

// Value text written for another quote: a character reference stands for that quote, and all
// else (references included) reads the same between either quote.
std::string requoted(std::string_view content, char quote) {
    std::string out;
    out.reserve(content.size());
    for (const char c : content) {
        if (c == quote)
            out += quote == '"' ? "&quot;" : "&#39;";
        else
            out += c;
    }
    return out;
}

// Values that two can share: the scripts of an event handler (onload, onunload, ...) and the
// names of a class list. Other attributes have one value; the page's own stays, as a browser
// keeps the first of two.
bool joinable(std::string_view name) {
    return name.starts_with("on") || name == "class";
}

// What goes between the page's value and the new one: a blank between class names; between
// scripts nothing after a ";", a line end after a "//" comment that would swallow what follows,
// else ";".
std::string_view separator(std::string_view name, std::string_view first) {
    const std::size_t end = first.find_last_not_of(" \t\n\f\r");
    if (name == "class")
        return end == first.size() - 1 ? " " : "";
    if (first[end] == ';')
        return {};
    const std::size_t lineStart = first.find_last_of("\n\r", end);
    const std::string_view lastLine =
        first.substr(lineStart == std::string_view::npos ? 0 : lineStart + 1);
    return lastLine.find("//") != std::string_view::npos ? "\n" : ";";
}

// The edit that appends `added`'s value to the body's attribute `existing`.
Piece mergeValue(const ParsedHtml& page, const GumboAttribute& existing,
                 const GumboAttribute& added) {
    const Written add = writtenValue(added);
    if (!hasValue(existing)) {
        // "name", "name=" or "name = " before ">": the "=" and its blanks become the value.
        const std::string_view doc = page.document();
        const std::size_t nameEnd =
            page.offsetOf(existing.original_name.data) + existing.original_name.length;
        std::size_t end = nameEnd;
        while (end < doc.size() && isBlank(doc[end]))
            ++end;
        if (end < doc.size() && doc[end] == '=') {
            ++end;
            while (end < doc.size() && isBlank(doc[end]))
                ++end;
        } else {
            end = nameEnd;
        }
        return {nameEnd, end - nameEnd, "=\"" + requoted(add.content, '"') + "\""};
    }
    const Written old = writtenValue(existing);
    const char quote = old.quote ? old.quote : '"';
    const std::string_view value = existing.value;
    const bool blank = value.find_first_not_of(" \t\n\f\r") == std::string_view::npos;
    std::string merged(1, quote);
    if (!blank) {
        merged += requoted(old.content, quote);
        merged += separator(existing.name, value);
    }
    merged += requoted(add.content, quote);
    merged += quote;
    return {page.offsetOf(existing.original_value.data), existing.original_value.length, merged};
}

constexpr std::string_view kOpen = "<body";

// The attributes of a text as a browser reads them inside a start tag: the body of
// `<body` + text + `>` parsed; null when the text is more than attributes (it would end the tag),
// so that it goes in as it is.
const GumboVector* attributesOf(const ParsedHtml& tag) {
    const GumboNode* body = tag.htmlChild(GUMBO_TAG_BODY);
    if (!body || body->v.element.original_tag.length != tag.document().size() ||
        body->v.element.children.length != 0)
        return nullptr;
    return &body->v.element.attributes;
}

// Where attributes go in the explicit body start tag: before its ">", or before "/>" unless that
// "/" ends an unquoted value.
std::size_t attributeEnd(const ParsedHtml& page, const GumboElement& body) {
    const std::size_t tag = page.offsetOf(body.original_tag.data);
    const std::size_t close = tag + body.original_tag.length - 1;
    if (page.document()[close - 1] != '/')
        return close;
    for (unsigned i = 0; i < body.attributes.length; ++i) {
        const auto* attribute = static_cast<const GumboAttribute*>(body.attributes.data[i]);
        const std::size_t valueEnd =
            page.offsetOf(attribute->original_value.data) + attribute->original_value.length;
        if (hasValue(*attribute) && valueEnd == close)
            return close;
    }
    return close - 1;
}

// The pieces as one edit: from the first piece's start to the last one's end, the bytes
// between them kept. Pieces at one offset keep their order.
Edit joined(std::string_view document, std::vector<Piece> pieces) {
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const Piece& a, const Piece& b) { return a.offset < b.offset; });
    Edit edit{pieces.front().offset, 0, {}};
    std::size_t at = edit.offset;
    for (const Piece& piece : pieces) {
        edit.inserted.append(document.substr(at, piece.offset - at));
        edit.inserted += piece.inserted;
        at = piece.offset + piece.removed;
    }
    edit.removed = at - edit.offset;
    return edit;
}

} // namespace

Edit bodyTagEdit(const ParsedHtml& page, const GumboNode& bodyNode, std::string_view text) {
    const GumboElement& body = bodyNode.v.element;
    const bool written = body.original_tag.length > 0;
    std::vector<Piece> pieces;
    std::string rest(text); // the text less the attributes merged into the body's own

    const std::string tag = std::string(kOpen) + std::string(text) + ">";
    const ParsedHtml parsed(tag);
    if (const GumboVector* added = attributesOf(parsed)) {
        std::size_t removedSoFar = 0;
        std::size_t previousEnd = 0; // in the text: where the previous attribute ended
        for (unsigned i = 0; i < added->length; ++i) {
            const auto* attribute = static_cast<const GumboAttribute*>(added->data[i]);
            const char* endPtr =
                hasValue(*attribute)
                    ? attribute->original_value.data + attribute->original_value.length
                    : attribute->original_name.data + attribute->original_name.length;
            const std::size_t end = parsed.offsetOf(endPtr) - kOpen.size();
            // The body's own attribute, wherever it is written: an attribute that a later
            // <body> tag gave the body is merged there.
            const GumboAttribute* existing = gumbo_get_attribute(&body.attributes, attribute->name);
            if (existing && hasValue(*attribute) && joinable(attribute->name)) {
                pieces.push_back(mergeValue(page, *existing, *attribute));
                rest.erase(previousEnd - removedSoFar, end - previousEnd);
                removedSoFar += end - previousEnd;
            }
            previousEnd = end;
        }
    }

    const bool merged = !pieces.empty();
    const bool restBlank = rest.find_first_not_of(" \t\n\f\r") == std::string::npos;
    if (!merged || !restBlank) {
        if (written)
            pieces.push_back({attributeEnd(page, body), 0, rest});
        else
            pieces.push_back({page.readableBefore(page.offsetOf(body.start_pos)), 0,
                              std::string(kOpen) + rest + ">"});
    }
    return joined(page.document(), std::move(pieces));
}

} // namespace kit
