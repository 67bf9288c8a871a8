#include "tools/htmlhost/HtmlDocument.h"

#include "tools/htmlhost/HtmlTags.h"

namespace htmlhost {

void HtmlDocument::putInHead(std::string_view text) {
    const std::optional<Span> headEnd = findEndTag(bytes_, "head");
    if (!headEnd)
        throw DocumentError("The document has no </head> tag to put the text before.");
    insert(headEnd->begin, text);
}

void HtmlDocument::putInBody(std::string_view text) {
    const std::optional<Span> bodyEnd = findEndTag(bytes_, "body");
    if (!bodyEnd)
        throw DocumentError("The document has no </body> tag to put the text before.");
    insert(bodyEnd->begin, text);
}

void HtmlDocument::putInBodyTag(std::string_view text) {
    const std::optional<Span> bodyTag = findStartTag(bytes_, "body");
    if (!bodyTag)
        throw DocumentError("The document has no <body> tag to put the text into.");
    insert(bodyTag->end - 1, text);
}

void HtmlDocument::putAtCursor(std::string_view text) {
    std::size_t at = 0;
    if (cursor_) {
        at = *cursor_;
    } else if (const std::optional<Span> marker = findComment(bytes_, "cursor")) {
        bytes_.erase(marker->begin, marker->end - marker->begin);
        at = marker->begin;
    } else if (const std::optional<Span> bodyEnd = findEndTag(bytes_, "body")) {
        at = bodyEnd->begin;
    } else {
        throw DocumentError("The document has no cursor marker " + std::string(kCursorMarker) +
                            " and no </body> tag to put the text before.");
    }
    insert(at, text);
    cursor_ = at + text.size();
}

// Text put elsewhere exactly at the cursor lands behind it, so that the next text put at the
// cursor still follows the previous one directly (markup stays together, scripts after it).
void HtmlDocument::insert(std::size_t at, std::string_view text) {
    bytes_.insert(at, text);
    if (cursor_ && at < *cursor_)
        *cursor_ += text.size();
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

} // namespace htmlhost
