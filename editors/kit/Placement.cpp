// SPDX-License-Identifier: MIT
#include "editors/kit/Placement.h"

#include "editors/kit/BodyTag.h"
#include "editors/kit/ParsedHtml.h"
#include "editors/kit/TextSpot.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kit {

namespace {

// Text for the head's end: before its end tag, or where it ends without one.
Edit headEndEdit(const ParsedHtml& page, std::string_view text) {
    const GumboNode* head = page.htmlChild(GUMBO_TAG_HEAD);
    if (!head) // the parser makes one for every page; this only keeps a surprise from crashing
        throw PlacementError("The page has no head to put the text in.");
    const GumboElement& element = head->v.element;
    const TextSpot spot = textSpot(page, element.original_end_tag.length > 0
                                             ? page.offsetOf(element.original_end_tag.data)
                                             : page.offsetOf(element.end_pos));
    return {spot.offset, 0, spot.closing + std::string(text)};
}

const GumboNode& requireBody(const ParsedHtml& page) {
    if (const GumboNode* body = page.htmlChild(GUMBO_TAG_BODY))
        return *body;
    throw PlacementError("The page is made of frames (it has a <frameset>), so it has no body "
                         "to put the text in.");
}

// Whether an element or text of the page begins after `offset`.
bool contentAfter(const ParsedHtml& page, std::size_t offset) {
    std::vector<const GumboNode*> pending{page.tree()};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_CDATA) {
            if (page.offsetOf(node->v.text.start_pos) > offset)
                return true;
        }
        if (!hasChildren(node))
            continue;
        if (node->type != GUMBO_NODE_DOCUMENT && node->v.element.original_tag.length > 0 &&
            page.offsetOf(node->v.element.start_pos) > offset)
            return true;
        const GumboVector& children = childrenOf(node);
        for (unsigned i = 0; i < children.length; ++i)
            pending.push_back(static_cast<const GumboNode*>(children.data[i]));
    }
    return false;
}

bool isForeign(const GumboNode* node) {
    return node->type == GUMBO_NODE_ELEMENT &&
           node->v.element.tag_namespace != GUMBO_NAMESPACE_HTML;
}

// The spot before an end tag that the page writes for the body's end (or the page's), where the
// body ends, even with more after it, which a browser puts back into the body. But inside SVG
// or MathML, with the body going on after it, it is text to the page's author (a string in an
// SVG script) and no end to a browser either: then none.
std::optional<TextSpot> beforeEndTag(const ParsedHtml& page, std::size_t tag) {
    const std::vector<const GumboNode*> open = openAt(page, tag);
    if (std::any_of(open.begin(), open.end(), isForeign) && contentAfter(page, tag))
        return std::nullopt;
    return textSpot(page, tag, open);
}

// Before the page's end tag `name` where the body ends, between `from` and `to`: the one gumbo
// keeps, or else the last one it read and dropped (a </body> inside a table).
std::optional<TextSpot> beforeEndTagOf(const ParsedHtml& page, const GumboElement& element,
                                       std::string_view name, std::size_t from, std::size_t to) {
    std::size_t kept = std::string_view::npos;
    if (element.original_end_tag.length > 0) {
        kept = page.offsetOf(element.original_end_tag.data);
        if (kept >= from && kept < to)
            if (std::optional<TextSpot> spot = beforeEndTag(page, kept))
                return spot;
    }
    const std::size_t dropped =
        page.lastIgnoredEndTag(name, kept == std::string_view::npos ? from : kept + 1, to);
    if (dropped == std::string_view::npos)
        return std::nullopt;
    return beforeEndTag(page, dropped);
}

// Where the body ends: before its end tag, or else before </html>, or else where the document
// does (where the parser stopped reading).
TextSpot bodyEnd(const ParsedHtml& page, const GumboElement& body) {
    if (body.original_end_tag.length > 0) // the usual page, spared a look for where parsing ended
        if (std::optional<TextSpot> spot =
                beforeEndTag(page, page.offsetOf(body.original_end_tag.data)))
            return *spot;
    const std::size_t start = page.offsetOf(body.start_pos);
    const std::size_t end = page.parsedEnd();
    if (std::optional<TextSpot> spot = beforeEndTagOf(page, body, "body", start, end))
        return *spot;
    if (std::optional<TextSpot> spot =
            beforeEndTagOf(page, page.root()->v.element, "html", start, end))
        return *spot;
    return textSpot(page, end);
}

// Text for the body's end. Where nothing of the body comes before that place, the body begins
// only after it: a script there would still go into the head, so the body's start tag goes
// first.
Edit bodyEndEdit(const ParsedHtml& page, std::string_view text) {
    const GumboElement& body = requireBody(page).v.element;
    const TextSpot spot = bodyEnd(page, body);
    const bool opensBody =
        body.original_tag.length == 0 && spot.offset <= page.offsetOf(body.start_pos);
    return {spot.offset, 0, spot.closing + (opensBody ? "<body>" : "") + std::string(text)};
}

Edit placed(const ParsedHtml& page, Place place, std::string_view text) {
    switch (place) {
    case Place::Head:
        return headEndEdit(page, text);
    case Place::Body:
        return bodyEndEdit(page, text);
    case Place::BodyTag:
        return bodyTagEdit(page, requireBody(page), text);
    }
    throw PlacementError("Unknown place in the document.");
}

constexpr std::string_view kMarker = "<!--cursor-->";

// A comment written as the cursor marker; gumbo's text of a comment as written may begin with
// markup it dropped just before, so the marker is its end.
bool isCursorMarker(const GumboText& comment) {
    const std::string_view written(comment.original_text.data, comment.original_text.length);
    return std::string_view(comment.text).size() == 6 && written.size() >= kMarker.size() &&
           std::equal(kMarker.begin(), kMarker.end(), written.end() - kMarker.size(),
                      [](char want, char got) {
                          return want == (got >= 'A' && got <= 'Z' ? got - 'A' + 'a' : got);
                      });
}

// The first cursor marker comment, as the edit that takes it out.
std::optional<Edit> cursorMarker(const ParsedHtml& page) {
    std::vector<const GumboNode*> pending{page.tree()};
    std::optional<Edit> first;
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_COMMENT && isCursorMarker(node->v.text)) {
            const GumboStringPiece& written = node->v.text.original_text;
            const std::size_t at = page.offsetOf(written.data) + written.length - kMarker.size();
            if (!first || at < first->offset)
                first = Edit{at, kMarker.size(), {}};
        } else if (hasChildren(node)) {
            const GumboVector& children = childrenOf(node);
            for (unsigned i = 0; i < children.length; ++i)
                pending.push_back(static_cast<const GumboNode*>(children.data[i]));
        }
    }
    return first;
}

} // namespace

Edit placeText(std::string_view document, Place place, std::string_view text) {
    return placed(ParsedHtml(document), place, text);
}

Edit placeAtCursorMarker(std::string_view document, std::string_view text, Place otherwise) {
    const ParsedHtml page(document);
    if (const std::optional<Edit> marker = cursorMarker(page))
        return {marker->offset, marker->removed, std::string(text)};
    return placed(page, otherwise, text);
}

std::vector<std::string> splitFileList(std::string_view list) {
    std::vector<std::string> paths;
    while (!list.empty()) {
        const std::size_t end = list.find(';');
        const std::string_view path = list.substr(0, end);
        if (!path.empty())
            paths.emplace_back(path);
        list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
    }
    return paths;
}

} // namespace kit
