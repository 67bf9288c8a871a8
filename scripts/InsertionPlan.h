// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vorrel {

// The texts of one insertion. An empty text means the insertion has nothing of that kind.
struct InsertionPlan {
    std::string headText;    // script for the document's head
    std::string bodyText;    // text for the document body (the auto-open script)
    std::string cursorText;  // visible markup for the editor's cursor position
    std::string bodyTagText; // attribute text, with a leading blank, for the body start tag
    std::string filesToCopy; // full image paths, each followed by ";"
    std::string uploadList;  // without a host: the paths named in the upload comment

    // The tool picker empties these four before every pass through the wizard.
    void clearTexts() {
        headText.clear();
        bodyText.clear();
        cursorText.clear();
        bodyTagText.clear();
    }
};

} // namespace vorrel
