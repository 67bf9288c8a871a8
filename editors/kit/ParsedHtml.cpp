#include "editors/kit/ParsedHtml.h"

#include <algorithm>
#include <vector>

namespace kit {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A noscript element's start tag and the raw text after it, as offsets in the parsed text.
struct Noscript {
    std::size_t tag = 0;
    std::size_t content = 0;
    std::size_t end = 0; // where the raw text stops: its end tag, or the end of the text
    bool operator==(const Noscript&) const = default;
};

bool endsTagName(char c) {
    return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ' || c == '/' || c == '>';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A browser with scripting on reads noscript content as raw text, which only "</noscript"
// followed by a blank, "/" or ">" ends (in any letter case).
std::size_t rawTextEnd(std::string_view text, std::size_t from) {
    constexpr std::string_view kEndTag = "</noscript";
    for (std::size_t at = text.find("</", from); at != std::string_view::npos;
         at = text.find("</", at + 2)) {
        if (text.size() - at <= kEndTag.size() || !endsTagName(text[at + kEndTag.size()]))
            continue;
        if (std::equal(kEndTag.begin(), kEndTag.end(), text.begin() + at,
                       [](char want, char got) { return want == lower(got); }))
            return at;
    }
    return text.size();
}

// The noscript elements gumbo built, in the order of their tags. Walked without recursion, so
// that deeply nested markup cannot exhaust the stack.
std::vector<Noscript> noscriptsIn(const GumboOutput* output, std::string_view text) {
    std::vector<Noscript> found;
    std::vector<const GumboNode*> pending{output->document};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (isHtml(node, GUMBO_TAG_NOSCRIPT) && node->v.element.original_tag.length > 0) {
            const GumboStringPiece& tag = node->v.element.original_tag;
            const auto start = static_cast<std::size_t>(tag.data - text.data());
            found.push_back({start, start + tag.length, rawTextEnd(text, start + tag.length)});
        }
        if (hasChildren(node)) {
            const GumboVector& children = childrenOf(node);
            for (unsigned i = 0; i < children.length; ++i)
                pending.push_back(static_cast<const GumboNode*>(children.data[i]));
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Noscript& a, const Noscript& b) { return a.tag < b.tag; });
    return found;
}

// Blanks out each noscript's raw text, so that gumbo sees nothing in it; offsets stay as they
// are. A tag found inside raw text blanked before it is no tag.
std::vector<Noscript> blankOut(std::string& text, const std::vector<Noscript>& noscripts) {
    std::vector<Noscript> blanked;
    for (const Noscript& noscript : noscripts) {
        if (!blanked.empty() && noscript.tag < blanked.back().end)
            continue;
        std::fill(text.begin() + static_cast<std::ptrdiff_t>(noscript.content),
                  text.begin() + static_cast<std::ptrdiff_t>(noscript.end), ' ');
        blanked.push_back(noscript);
    }
    return blanked;
}

} // namespace

ParsedHtml::ParsedHtml(std::string_view document) : document_(document) {
    if (document.starts_with(kByteOrderMark))
        skipped_ = kByteOrderMark.size();
    parsed_ = document.substr(skipped_);
    parse();
    const std::vector<Noscript> first = noscriptsIn(output_, parsed_);
    if (first.empty())
        return;

    // Usually one more parse with every noscript blanked out is the browser's tree: then the
    // noscript elements of that parse are exactly the blanked ones.
    masked_.assign(parsed_);
    const std::vector<Noscript> blanked = blankOut(masked_, first);
    parsed_ = masked_;
    parse();
    if (noscriptsIn(output_, parsed_) == blanked)
        return;

    // Markup that only a noscript read as raw text reveals (or hides): blank them out one at a
    // time in document order, each found by a parse that is right up to it.
    masked_.assign(document.substr(skipped_));
    parsed_ = masked_;
    std::size_t settled = 0;
    for (;;) {
        parse();
        const std::vector<Noscript> now = noscriptsIn(output_, parsed_);
        const auto next = std::find_if(now.begin(), now.end(),
                                       [&](const Noscript& n) { return n.tag >= settled; });
        if (next == now.end())
            return;
        blankOut(masked_, {*next});
        settled = next->end;
    }
}

ParsedHtml::~ParsedHtml() {
    if (output_)
        gumbo_destroy_output(&kGumboDefaultOptions, output_);
}

void ParsedHtml::parse() {
    if (output_)
        gumbo_destroy_output(&kGumboDefaultOptions, output_);
    output_ = gumbo_parse_with_options(&kGumboDefaultOptions, parsed_.data(), parsed_.size());
}

const GumboNode* ParsedHtml::htmlChild(GumboTag tag) const {
    const GumboVector& children = output_->root->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (isHtml(child, tag))
            return child;
    }
    return nullptr;
}

} // namespace kit
