#include "editors/kit/Placement.h"

#include "editors/kit/BodyTag.h"
#include "editors/kit/ParsedHtml.h"

#include <algorithm>
#include <vector>

namespace kit {

namespace {

// Elements whose content a browser does not read as markup (or, for a template, never runs),
// and foreign content, where HTML is not HTML: text put at the end of one still open at the end
// of the document would land in it.
bool swallowsMarkup(const GumboNode* node) {
    if (node->type == GUMBO_NODE_TEMPLATE)
        return true;
    const GumboElement& element = node->v.element;
    if (element.tag_namespace != GUMBO_NAMESPACE_HTML)
        return true;
    switch (element.tag) {
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_TEXTAREA:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_XMP:
    case GUMBO_TAG_IFRAME:
    case GUMBO_TAG_NOEMBED:
    case GUMBO_TAG_NOFRAMES:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_PLAINTEXT:
    case GUMBO_TAG_TEMPLATE:
        return true;
    default:
        return false;
    }
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// A comment the end of the document cut short.
bool unterminated(std::string_view comment) {
    if (!comment.starts_with("<!--"))
        return !endsWith(comment, ">");
    return !(endsWith(comment, "-->") || endsWith(comment, "--!>") || comment == "<!-->" ||
             comment == "<!--->");
}

// Where an element that has no end tag ends, so that a text put there is still read as markup
// inside it: its end, or before what the end of the document left open and unread as markup
// (raw text, a template, SVG or MathML, a comment, a lone "<" or "</").
std::size_t openEnd(const ParsedHtml& page, const GumboNode* element) {
    std::size_t end = page.offsetOf(element->v.element.end_pos);
    const std::string_view document = page.document();
    for (const GumboNode* node = element;;) {
        const GumboVector& children = node->v.element.children;
        if (children.length == 0)
            break;
        const auto* last = static_cast<const GumboNode*>(children.data[children.length - 1]);
        if (last->type == GUMBO_NODE_COMMENT) {
            const GumboText& comment = last->v.text;
            const std::size_t start = page.offsetOf(comment.start_pos);
            if (start + comment.original_text.length >= end &&
                unterminated({comment.original_text.data, comment.original_text.length}))
                return start;
            break;
        }
        if (last->type != GUMBO_NODE_ELEMENT && last->type != GUMBO_NODE_TEMPLATE)
            break;
        if (last->v.element.original_end_tag.length > 0 ||
            page.offsetOf(last->v.element.end_pos) < end)
            break;
        if (swallowsMarkup(last))
            return page.offsetOf(last->v.element.start_pos);
        node = last;
    }
    if (end == document.size()) {
        if (endsWith(document, "</"))
            return end - 2;
        if (endsWith(document, "<"))
            return end - 1;
    }
    return end;
}

std::size_t headEnd(const ParsedHtml& page) {
    const GumboNode* head = page.htmlChild(GUMBO_TAG_HEAD);
    if (!head) // the parser makes one for every page; this only keeps a surprise from crashing
        throw PlacementError("The page has no head to put the text in.");
    if (head->v.element.original_end_tag.length > 0)
        return page.offsetOf(head->v.element.original_end_tag.data);
    return openEnd(page, head);
}

const GumboNode& requireBody(const ParsedHtml& page) {
    if (const GumboNode* body = page.htmlChild(GUMBO_TAG_BODY))
        return *body;
    throw PlacementError("The page is made of frames (it has a <frameset>), so it has no body "
                         "to put the text in.");
}

std::size_t bodyEnd(const ParsedHtml& page) {
    const GumboNode& bodyNode = requireBody(page);
    const GumboElement& body = bodyNode.v.element;
    if (body.original_end_tag.length > 0)
        return page.offsetOf(body.original_end_tag.data);
    // Without </body>, a </html> ends the body as well, and reads better than the file's end.
    const GumboElement& html = page.root()->v.element;
    const std::size_t end = openEnd(page, &bodyNode);
    if (html.original_end_tag.length > 0) {
        const std::size_t htmlEnd = page.offsetOf(html.original_end_tag.data);
        if (htmlEnd >= page.offsetOf(body.start_pos) && htmlEnd < end)
            return htmlEnd;
    }
    return end;
}

Edit placed(const ParsedHtml& page, Place place, std::string_view text) {
    switch (place) {
    case Place::Head:
        return {headEnd(page), 0, std::string(text)};
    case Place::Body:
        return {bodyEnd(page), 0, std::string(text)};
    case Place::BodyTag:
        return bodyTagEdit(page, requireBody(page), text);
    }
    throw PlacementError("Unknown place in the document.");
}

bool isCursorMarker(const GumboText& comment) {
    const std::string_view text(comment.text);
    const std::string_view written(comment.original_text.data, comment.original_text.length);
    return text.size() == 6 && written.starts_with("<!--") &&
           std::equal(text.begin(), text.end(), "cursor",
                      [](char got, char want) { return (got | 0x20) == want; });
}

// The first cursor marker comment, as the edit that takes it out.
std::optional<Edit> cursorMarker(const ParsedHtml& page) {
    std::vector<const GumboNode*> pending{page.tree()};
    std::optional<Edit> first;
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_COMMENT && isCursorMarker(node->v.text)) {
            const std::size_t at = page.offsetOf(node->v.text.start_pos);
            if (!first || at < first->offset)
                first = Edit{at, node->v.text.original_text.length, {}};
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
