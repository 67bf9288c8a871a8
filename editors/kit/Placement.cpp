#include "editors/kit/Placement.h"

#include "editors/kit/BodyTag.h"
#include "editors/kit/ParsedHtml.h"

#include <algorithm>
#include <vector>

namespace kit {

namespace {

std::size_t headEnd(const ParsedHtml& page) {
    const GumboNode* head = page.htmlChild(GUMBO_TAG_HEAD);
    if (!head) // the parser makes one for every page; this only keeps a surprise from crashing
        throw PlacementError("The page has no head to put the text in.");
    const GumboElement& element = head->v.element;
    return page.readableBefore(element.original_end_tag.length > 0
                                   ? page.offsetOf(element.original_end_tag.data)
                                   : page.offsetOf(element.end_pos));
}

const GumboNode& requireBody(const ParsedHtml& page) {
    if (const GumboNode* body = page.htmlChild(GUMBO_TAG_BODY))
        return *body;
    throw PlacementError("The page is made of frames (it has a <frameset>), so it has no body "
                         "to put the text in.");
}

std::size_t bodyEnd(const ParsedHtml& page, const GumboElement& body) {
    // An end tag that foreign content or a template leaves open around it is no place for text.
    if (body.original_end_tag.length > 0)
        return page.readableBefore(page.offsetOf(body.original_end_tag.data));
    // Without </body>, the body ends where the document does (gumbo's own end of the body is
    // the place of a </body> it ignored, if any). A </html> ends the body as well, and reads
    // better than the file's end.
    const GumboElement& html = page.root()->v.element;
    std::size_t end = page.parsedEnd();
    if (html.original_end_tag.length > 0) {
        const std::size_t htmlEnd = page.offsetOf(html.original_end_tag.data);
        if (htmlEnd >= page.offsetOf(body.start_pos) && htmlEnd < end)
            end = htmlEnd;
    }
    return page.readableBefore(end);
}

// Text for the body's end. Where nothing of the body comes before that place, the body begins
// only after it: a script there would still go into the head, so the body's start tag goes
// first.
Edit bodyEndEdit(const ParsedHtml& page, std::string_view text) {
    const GumboElement& body = requireBody(page).v.element;
    const std::size_t at = bodyEnd(page, body);
    if (body.original_tag.length == 0 && at <= page.offsetOf(body.start_pos))
        return {at, 0, "<body>" + std::string(text)};
    return {at, 0, std::string(text)};
}

Edit placed(const ParsedHtml& page, Place place, std::string_view text) {
    switch (place) {
    case Place::Head:
        return {headEnd(page), 0, std::string(text)};
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
