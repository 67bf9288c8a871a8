#include "editors/kit/Placement.h"

#include "editors/kit/BodyTag.h"
#include "editors/kit/ParsedHtml.h"
#include "editors/kit/TextSpot.h"

#include <algorithm>
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

// Whether an element of SVG or MathML holds `offset`, and whether an element or text of the page
// begins after it.
struct Around {
    bool inForeignContent = false;
    bool contentAfter = false;
};

Around around(const ParsedHtml& page, std::size_t offset) {
    Around found;
    std::vector<const GumboNode*> pending{page.tree()};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_CDATA)
            found.contentAfter |= page.offsetOf(node->v.text.start_pos) > offset;
        if (!hasChildren(node))
            continue;
        if (node->type != GUMBO_NODE_DOCUMENT) {
            const GumboElement& element = node->v.element;
            const std::size_t start = page.offsetOf(element.start_pos);
            found.contentAfter |= element.original_tag.length > 0 && start > offset;
            found.inForeignContent |= element.tag_namespace != GUMBO_NAMESPACE_HTML &&
                                      start < offset && page.offsetOf(element.end_pos) >= offset;
        }
        const GumboVector& children = childrenOf(node);
        for (unsigned i = 0; i < children.length; ++i)
            pending.push_back(static_cast<const GumboNode*>(children.data[i]));
    }
    return found;
}

// An end tag that the page writes for the body's end (or the page's) is where the body ends,
// even with more after it, which a browser puts back into the body. But inside SVG or MathML,
// with the body going on after it, it is text to the page's author (a string in an SVG script)
// and no end to a browser either.
bool endsBody(const ParsedHtml& page, std::size_t tag) {
    const Around near = around(page, tag);
    return !(near.inForeignContent && near.contentAfter);
}

// The page's end tag `name` where the body ends: the one gumbo keeps, or else the last one it
// read and dropped (a </body> inside a table); npos for none.
std::size_t endTagOfBody(const ParsedHtml& page, const GumboElement& element, std::string_view name,
                         std::size_t from, std::size_t to) {
    std::size_t kept = std::string_view::npos;
    if (element.original_end_tag.length > 0) {
        kept = page.offsetOf(element.original_end_tag.data);
        if (kept >= from && kept < to && endsBody(page, kept))
            return kept;
    }
    const std::size_t dropped =
        page.lastIgnoredEndTag(name, kept == std::string_view::npos ? from : kept + 1, to);
    return dropped != std::string_view::npos && endsBody(page, dropped) ? dropped
                                                                        : std::string_view::npos;
}

// Where the body ends: before its end tag, or else before </html>, or else where the document
// does (where the parser stopped reading).
std::size_t bodyEnd(const ParsedHtml& page, const GumboElement& body) {
    const std::size_t start = page.offsetOf(body.start_pos);
    const std::size_t end = page.parsedEnd();
    const std::size_t bodyTag = endTagOfBody(page, body, "body", start, end);
    if (bodyTag != std::string_view::npos)
        return bodyTag;
    const std::size_t htmlTag = endTagOfBody(page, page.root()->v.element, "html", start, end);
    return htmlTag != std::string_view::npos ? htmlTag : end;
}

// Text for the body's end. Where nothing of the body comes before that place, the body begins
// only after it: a script there would still go into the head, so the body's start tag goes
// first.
Edit bodyEndEdit(const ParsedHtml& page, std::string_view text) {
    const GumboElement& body = requireBody(page).v.element;
    const TextSpot spot = textSpot(page, bodyEnd(page, body));
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
