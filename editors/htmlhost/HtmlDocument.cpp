#include "editors/htmlhost/HtmlDocument.h"

namespace htmlhost {

namespace {

kit::Edit placed(std::string_view bytes, kit::Place place, std::string_view text) {
    try {
        return kit::placeText(bytes, place, text);
    } catch (const kit::PlacementError& error) {
        throw DocumentError(error.what());
    }
}

} // namespace

void HtmlDocument::putInHead(std::string_view text) {
    put(kit::Place::Head, text);
}

void HtmlDocument::putInBody(std::string_view text) {
    put(kit::Place::Body, text);
}

void HtmlDocument::putInBodyTag(std::string_view text) {
    put(kit::Place::BodyTag, text);
}

void HtmlDocument::put(kit::Place place, std::string_view text) {
    apply(placed(bytes_, place, text));
}

void HtmlDocument::putAtCursor(std::string_view text) {
    std::size_t at = 0;
    if (cursor_) {
        at = *cursor_;
    } else if (const std::optional<kit::Edit> marker = kit::findCursorMarker(bytes_)) {
        at = marker->offset;
        bytes_.erase(marker->offset, marker->removed);
    } else {
        at = placed(bytes_, kit::Place::Body, text).offset;
    }
    bytes_.insert(at, text);
    cursor_ = at + text.size();
}

// Text put elsewhere exactly at the cursor lands behind it, so that the next text put at the
// cursor still follows the previous one directly (markup stays together, scripts after it).
void HtmlDocument::apply(const kit::Edit& edit) {
    bytes_.replace(edit.offset, edit.removed, edit.inserted);
    if (!cursor_ || edit.offset >= *cursor_)
        return;
    const std::size_t end = edit.offset + edit.removed;
    *cursor_ = *cursor_ >= end ? *cursor_ - edit.removed + edit.inserted.size()
                               : edit.offset + edit.inserted.size();
}

} // namespace htmlhost
