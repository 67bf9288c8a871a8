// SPDX-License-Identifier: MIT
#include "editors/htmlhost/HtmlDocument.h"

namespace htmlhost {

namespace {

// The kit's edit; a place the document has not got is the host's error.
template <typename Placement> kit::Edit placed(Placement placement) {
    try {
        return placement();
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
    apply(placed([&] { return kit::placeText(bytes_, place, text); }));
}

void HtmlDocument::putAtCursor(std::string_view text) {
    if (cursor_) {
        bytes_.insert(*cursor_, text);
        *cursor_ += text.size();
        return;
    }
    const kit::Edit edit =
        placed([&] { return kit::placeAtCursorMarker(bytes_, text, kit::Place::Body); });
    bytes_.replace(edit.offset, edit.removed, edit.inserted);
    cursor_ = edit.offset + edit.inserted.size();
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
