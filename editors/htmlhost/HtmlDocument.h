// SPDX-License-Identifier: MIT
#pragma once

#include "editors/kit/Placement.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace htmlhost {

// A request the document cannot carry out; the text is what the caller's user gets to read.
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of the one document the stand-in host edits, as bytes, with the editor's cursor.
// Texts go where the placement kit puts them; all other bytes stay as they were.
class HtmlDocument {
public:
    explicit HtmlDocument(std::string bytes = {}) : bytes_(std::move(bytes)) {}

    // What an untitled document starts with.
    static constexpr std::string_view kUntitled = "<html>\n<head>\n<title>Untitled</title>\n"
                                                  "</head>\n<body>\n</body>\n</html>\n";
    // Stands for the cursor in a file until the first text is put there.
    static constexpr std::string_view kCursorMarker = "<!--cursor-->";

    const std::string& bytes() const { return bytes_; }
    // The cursor's byte offset; none until text has been put at the cursor.
    std::optional<std::size_t> cursor() const { return cursor_; }

    // Where the head ends.
    void putInHead(std::string_view text);
    // Where the body ends.
    void putInBody(std::string_view text);
    // Into the body start tag (a "<body ...>" tag where the body has none).
    void putInBodyTag(std::string_view text);
    // At the cursor; before the first text there, at the cursor marker comment (which goes),
    // or else where the body ends. The cursor then stands just after the text.
    void putAtCursor(std::string_view text);

private:
    void put(kit::Place place, std::string_view text);
    void apply(const kit::Edit& edit);

    std::string bytes_;
    std::optional<std::size_t> cursor_;
};

} // namespace htmlhost
