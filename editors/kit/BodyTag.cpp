// SPDX-License-Identifier: MIT
#include "editors/kit/BodyTag.h"

#include "editors/kit/HandlerScript.h"
#include "editors/kit/TextSpot.h"
#include "editors/kit/WrittenAttribute.h"

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

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t\n\f\r") == std::string_view::npos;
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

// A decoded value written between `quote`s so that it reads back the same.
std::string encoded(std::string_view value, char quote) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return requoted(out, quote);
}

constexpr std::string_view kOpen = "<body";

// What a browser takes a quoted value to be.
std::string decoded(std::string_view quotedValue) {
    const std::string tag = std::string(kOpen) + " a=" + std::string(quotedValue) + ">";
    const ParsedHtml parsed(tag);
    const GumboNode* body = parsed.htmlChild(GUMBO_TAG_BODY);
    const GumboAttribute* value =
        body ? gumbo_get_attribute(&body->v.element.attributes, "a") : nullptr;
    return value ? value->value : "";
}

// Values that two can share: the scripts of an event handler (onload, onunload, ...) and the
// names of a class list. Other attributes have one value; the page's own stays, as a browser
// keeps the first of two.
bool joinable(std::string_view name) {
    return name.starts_with("on") || name == "class";
}

// How the page's value and the new one become one: class names with a blank between them,
// scripts so that both run.
JoinedScripts joining(std::string_view name, std::string_view first, std::string_view second) {
    if (name != "class")
        return joinedHandlers(name, first, second);
    return {"", isBlank(first.back()) ? "" : " ", ""};
}

// An attribute as written in `document`, from gumbo's record of where its name is.
WrittenAttribute writtenIn(const ParsedHtml& document, const GumboAttribute& attribute) {
    return writtenAttributeAt(document.document(), document.offsetOf(attribute.original_name.data));
}

// The edit that appends `added`'s value (written as `addContent` in the text) to the body's
// attribute `existing`. The page's bytes of its value stay where they read the same joined;
// where a character reference would read differently at the join (`&amp` followed by "x"), the
// joined value is written anew.
Piece mergeValue(const ParsedHtml& page, const GumboAttribute& existing,
                 const GumboAttribute& added, std::string_view addContent) {
    const WrittenAttribute old = writtenIn(page, existing);
    const char quote = old.quote ? old.quote : '"';
    const std::string_view value = existing.value;
    // "name", "name=", "name = " or a blank value: the new value stands in its place.
    const bool replaced = !old.hasEquals || isBlank(value);
    std::string expected = added.value;
    std::string written = requoted(addContent, quote);
    if (!replaced) {
        const JoinedScripts join = joining(existing.name, value, added.value);
        expected = join.before + std::string(value) + join.between + expected + join.after;
        written = join.before + requoted(old.content(page.document()), quote) + join.between +
                  written + join.after;
    }
    std::string quoted = quote + written + quote;
    if (decoded(quoted) != expected)
        quoted = quote + encoded(expected, quote) + quote;
    const std::size_t from = replaced ? old.nameEnd : old.valueStart;
    return {from, old.valueEnd - from, (replaced ? "=" : "") + quoted};
}

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

// The attributes written in the body's own start tag, and where that tag's ">" is.
struct OwnTag {
    std::vector<WrittenAttribute> attributes;
    std::size_t close = 0;
};

OwnTag ownTag(const ParsedHtml& page, const GumboElement& body) {
    const std::size_t tag = page.offsetOf(body.original_tag.data);
    const std::size_t close = tag + body.original_tag.length - 1;
    return {writtenAttributes(page.document(), tag, close), close};
}

// Where attributes go in the explicit body start tag: before its ">", or before "/>" unless that
// "/" ends an unquoted value.
std::size_t attributeEnd(const ParsedHtml& page, const OwnTag& tag) {
    if (page.document()[tag.close - 1] != '/')
        return tag.close;
    if (!tag.attributes.empty()) {
        const WrittenAttribute& last = tag.attributes.back();
        if (last.hasEquals && !last.quote && last.valueEnd == tag.close)
            return tag.close;
    }
    return tag.close - 1;
}

// The pieces that put `text` into the body's own start tag, before its end. A last attribute
// written as "name=" would take the text for its value, so it gets its empty value written out;
// a text that would run on from the byte before it is set off by a blank.
std::vector<Piece> intoOwnTag(const ParsedHtml& page, const GumboElement& body,
                              const std::string& text, const std::vector<std::size_t>& merged) {
    const OwnTag tag = ownTag(page, body);
    const std::size_t at = attributeEnd(page, tag);
    std::vector<Piece> pieces;
    if (!tag.attributes.empty() && tag.attributes.back().awaitsValue() &&
        std::find(merged.begin(), merged.end(), tag.attributes.back().nameStart) == merged.end())
        pieces.push_back({tag.attributes.back().equals + 1, 0, "\"\""});
    const bool runsOn =
        !text.empty() && !isBlank(text.front()) && !isBlank(page.document()[at - 1]);
    pieces.push_back({at, 0, (runsOn ? " " : "") + text});
    return pieces;
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
    std::vector<Piece> pieces;
    std::vector<std::size_t> merged; // where the names of the body's attributes merged into are
    std::string rest(text);          // the text less the attributes merged into the body's own

    const std::string tag = std::string(kOpen) + std::string(text) + ">";
    const ParsedHtml parsed(tag);
    if (const GumboVector* added = attributesOf(parsed)) {
        std::size_t removedSoFar = 0;
        std::size_t previousEnd = 0; // in the text: where the previous attribute ended
        for (unsigned i = 0; i < added->length; ++i) {
            const auto* attribute = static_cast<const GumboAttribute*>(added->data[i]);
            const WrittenAttribute add = writtenIn(parsed, *attribute);
            const std::size_t end = (add.hasEquals ? add.valueEnd : add.nameEnd) - kOpen.size();
            // The body's own attribute, wherever it is written: an attribute that a later
            // <body> tag gave the body is merged there. Of two with one name, a browser (and
            // gumbo) keeps the first.
            const GumboAttribute* existing = gumbo_get_attribute(&body.attributes, attribute->name);
            if (existing && add.hasEquals && joinable(attribute->name)) {
                pieces.push_back(mergeValue(page, *existing, *attribute, add.content(tag)));
                merged.push_back(page.offsetOf(existing->original_name.data));
                rest.erase(previousEnd - removedSoFar, end - previousEnd);
                removedSoFar += end - previousEnd;
            }
            previousEnd = end;
        }
    }

    if (pieces.empty() || !isBlank(rest)) {
        if (body.original_tag.length > 0) {
            const std::vector<Piece> own = intoOwnTag(page, body, rest, merged);
            pieces.insert(pieces.end(), own.begin(), own.end());
        } else {
            const bool runsOn = !rest.empty() && !isBlank(rest.front());
            const TextSpot spot = textSpot(page, page.offsetOf(body.start_pos));
            pieces.push_back(
                {spot.offset, 0,
                 spot.closing + std::string(kOpen) + (runsOn ? " " : "") + rest + ">"});
        }
    }
    return joined(page.document(), std::move(pieces));
}

} // namespace kit
