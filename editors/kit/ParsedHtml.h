// SPDX-License-Identifier: MIT
#pragma once

// The tree a browser with scripting on builds from a document, as gumbo 0.10 gives it, with the
// two places where that gumbo differs from such a browser made good: it does not skip a leading
// byte-order mark, and it reads <noscript> content as markup (a browser with scripting off).

#include "editors/kit/GumboArena.h"

#include <gumbo.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

class ParsedHtml {
public:
    // Throws PlacementError for the rare page whose noscript elements hide one another so
    // deeply that a few parses cannot tell which ones a browser sees.
    explicit ParsedHtml(std::string_view document);
    ~ParsedHtml();
    ParsedHtml(const ParsedHtml&) = delete;
    ParsedHtml& operator=(const ParsedHtml&) = delete;

    std::string_view document() const { return document_; }
    const GumboNode* tree() const { return output_->document; }
    const GumboNode* root() const { return output_->root; }
    // The html element's child with this tag, or null.
    const GumboNode* htmlChild(GumboTag tag) const;

    // Where the parser stopped reading: the document's end, or the start of a tag that the end
    // of the document cut short (which no browser shows).
    std::size_t parsedEnd() const;

    // The last end tag "</name" (a lowercase name) starting between `from` and `to` that the
    // parser read as a tag but kept nowhere in the tree, as it drops one that does not fit where
    // it stands (a </body> inside a table); npos where there is none.
    std::size_t lastIgnoredEndTag(std::string_view name, std::size_t from, std::size_t to) const;

    // Offsets in the document's own bytes (the byte-order mark included).
    std::size_t offsetOf(const GumboSourcePosition& position) const {
        return position.offset + skipped_;
    }
    std::size_t offsetOf(const char* inParsedText) const {
        return static_cast<std::size_t>(inParsedText - parsed_.data()) + skipped_;
    }

private:
    void parse();

    std::string_view document_;
    std::size_t skipped_ = 0; // the byte-order mark's length
    std::string_view parsed_; // what gumbo reads: the document after the mark, maybe masked
    std::string masked_;      // that text with noscript content blanked out, when there is some
    GumboArena arena_;
    GumboOptions options_;
    GumboOutput* output_ = nullptr;
};

inline bool hasChildren(const GumboNode* node) {
    return node->type == GUMBO_NODE_DOCUMENT || node->type == GUMBO_NODE_ELEMENT ||
           node->type == GUMBO_NODE_TEMPLATE;
}

inline const GumboVector& childrenOf(const GumboNode* node) {
    return node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
}

// Tags as gumbo names them, with their namespace.
inline bool isHtml(const GumboNode* node, GumboTag tag) {
    return (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) &&
           node->v.element.tag == tag && node->v.element.tag_namespace == GUMBO_NAMESPACE_HTML;
}

} // namespace kit
