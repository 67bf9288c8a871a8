// SPDX-License-Identifier: MIT
#include "editors/kit/TextSpot.h"

#include "editors/kit/Placement.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace kit {

namespace {

enum class Reading {
    AsMarkup,  // text in it is read as the page's own markup
    Otherwise, // it reads text otherwise, and its end tag closes it
    Refused,   // closing it would change the page, or nothing closes it
};

Reading readingIn(const GumboNode* node) {
    if (node->type == GUMBO_NODE_COMMENT || node->type == GUMBO_NODE_TEMPLATE)
        return Reading::Otherwise;
    const GumboElement& element = node->v.element;
    if (element.tag == GUMBO_TAG_SCRIPT || element.tag == GUMBO_TAG_PLAINTEXT)
        return Reading::Refused;
    if (element.tag_namespace != GUMBO_NAMESPACE_HTML)
        return Reading::Otherwise;
    switch (element.tag) {
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_TEXTAREA:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_XMP:
    case GUMBO_TAG_IFRAME:
    case GUMBO_TAG_NOEMBED:
    case GUMBO_TAG_NOFRAMES:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_CAPTION:
    case GUMBO_TAG_COLGROUP:
    case GUMBO_TAG_TBODY:
    case GUMBO_TAG_THEAD:
    case GUMBO_TAG_TFOOT:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_TD:
    case GUMBO_TAG_TH:
    case GUMBO_TAG_SELECT:
        return Reading::Otherwise;
    default:
        return Reading::AsMarkup;
    }
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// A comment that the end of the document cut short, from its text as written (which gumbo may
// start with tags it dropped just before it): a "<!--" comment ends with "-->" or "--!>" (or is
// "<!-->" or "<!--->"), any other ends at the first ">".
bool unterminated(std::string_view comment) {
    if (!endsWith(comment, ">"))
        return true;
    return comment.find("<!--") != std::string_view::npos &&
           !(endsWith(comment, "-->") || endsWith(comment, "--!>"));
}

std::string_view writtenComment(const GumboText& comment) {
    return {comment.original_text.data, comment.original_text.length};
}

std::string endTagOf(const GumboNode* node) {
    if (node->type == GUMBO_NODE_COMMENT)
        return writtenComment(node->v.text).find("<!--") != std::string_view::npos ? "-->" : ">";
    const GumboElement& element = node->v.element;
    if (element.tag != GUMBO_TAG_UNKNOWN)
        return "</" + std::string(gumbo_normalized_tagname(element.tag)) + ">";
    GumboStringPiece name = element.original_tag;
    gumbo_tag_from_original_text(&name);
    return "</" + std::string(name.data, name.length) + ">";
}

std::string nameForUser(const GumboNode* node) {
    return node->v.element.tag == GUMBO_TAG_SCRIPT ? "<script>" : "<plaintext>";
}

} // namespace

// Every node that starts before `offset` is looked at: gumbo's end of an element is not always
// past what it holds (a head that a script is put back into after </head> ends at that tag), so
// a parent's end cannot tell.
std::vector<const GumboNode*> openAt(const ParsedHtml& page, std::size_t offset) {
    std::vector<std::pair<unsigned, const GumboNode*>> open; // with their depth
    std::vector<std::pair<unsigned, const GumboNode*>> pending{{0, page.tree()}};
    while (!pending.empty()) {
        const auto [depth, node] = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_COMMENT) {
            const std::size_t start = page.offsetOf(node->v.text.start_pos);
            const std::string_view written = writtenComment(node->v.text);
            if (start < offset && start + written.size() >= offset && unterminated(written))
                open.push_back({depth, node});
            continue;
        }
        if (!hasChildren(node))
            continue;
        if (node->type != GUMBO_NODE_DOCUMENT) {
            const GumboElement& element = node->v.element;
            if (page.offsetOf(element.start_pos) >= offset)
                continue;
            if (page.offsetOf(element.end_pos) >= offset)
                open.push_back({depth, node});
        }
        const GumboVector& children = childrenOf(node);
        for (unsigned i = 0; i < children.length; ++i)
            pending.push_back({depth + 1, static_cast<const GumboNode*>(children.data[i])});
    }
    std::stable_sort(open.begin(), open.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const GumboNode*> nodes;
    for (const auto& [depth, node] : open)
        nodes.push_back(node);
    return nodes;
}

TextSpot textSpot(const ParsedHtml& page, std::size_t offset) {
    return textSpot(page, offset, openAt(page, offset));
}

TextSpot textSpot(const ParsedHtml& page, std::size_t offset,
                  const std::vector<const GumboNode*>& open) {
    const auto outermost = std::find_if(open.begin(), open.end(), [](const GumboNode* node) {
        return readingIn(node) != Reading::AsMarkup;
    });
    TextSpot spot{offset, {}};
    for (auto it = open.end(); it != outermost;) {
        const GumboNode* node = *--it;
        if (readingIn(node) == Reading::Refused)
            throw PlacementError(
                "The page ends inside a " + nameForUser(node) +
                " element that is never closed, so a browser would read the text as part of it" +
                (node->v.element.tag == GUMBO_TAG_SCRIPT
                     ? " (and never runs that script). Close the script with </script>, "
                       "then insert again."
                     : ", and nothing can end a <plaintext>. Remove the <plaintext> tag, "
                       "then insert again."));
        spot.closing += endTagOf(node);
    }
    // A lone "</" or "<" at the very end is text that would run into the text's first tag.
    const std::string_view document = page.document();
    if (spot.closing.empty() && offset == document.size()) {
        if (endsWith(document, "</"))
            spot.offset -= 2;
        else if (endsWith(document, "<"))
            spot.offset -= 1;
    }
    return spot;
}

} // namespace kit
