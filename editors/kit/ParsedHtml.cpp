// SPDX-License-Identifier: MIT
#include "editors/kit/ParsedHtml.h"

#include "editors/kit/Placement.h"

#include <algorithm>
#include <vector>

namespace kit {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A noscript element's start tag and the raw text after it, as offsets in the parsed text.
struct Noscript {
    std::size_t tag = 0;
    std::size_t content = 0;
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

// Whether "<noscript" stands anywhere in the text (in any letter case): a quick look that spares
// most pages a walk through the whole tree.
bool mentionsNoscript(std::string_view text) {
    constexpr std::string_view kTag = "<noscript";
    for (std::size_t at = text.find('<'); at != std::string_view::npos;
         at = text.find('<', at + 1)) {
        if (text.size() - at >= kTag.size() &&
            std::equal(kTag.begin(), kTag.end(), text.begin() + at,
                       [](char want, char got) { return want == lower(got); }))
            return true;
    }
    return false;
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
            found.push_back({start, start + tag.length});
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
// are. A tag found inside raw text blanked before it is no tag (and its raw text is not looked
// for, so that nested ones cost no more than one). Returns those blanked.
std::vector<Noscript> blankOut(std::string& text, const std::vector<Noscript>& noscripts) {
    std::vector<Noscript> blanked;
    std::size_t end = 0;
    for (const Noscript& noscript : noscripts) {
        if (noscript.tag < end)
            continue;
        end = rawTextEnd(text, noscript.content);
        std::fill(text.begin() + static_cast<std::ptrdiff_t>(noscript.content),
                  text.begin() + static_cast<std::ptrdiff_t>(end), ' ');
        blanked.push_back(noscript);
    }
    return blanked;
}

// Parses with blanked noscripts that a page needs at most; each one costs a parse of the page.
constexpr int kMaskedParses = 16;

} // namespace

ParsedHtml::ParsedHtml(std::string_view document) : document_(document) {
    options_ = kGumboDefaultOptions;
    options_.allocator = GumboArena::allocate;
    options_.deallocator = GumboArena::release;
    options_.userdata = &arena_;
    // Parse errors are not looked at, but gumbo 0.10 must be let keep them all: where it may not
    // keep the error of a duplicate attribute, it runs that name into the next one's.
    options_.max_errors = -1;
    if (document.starts_with(kByteOrderMark))
        skipped_ = kByteOrderMark.size();
    parsed_ = document.substr(skipped_);
    parse();
    if (!mentionsNoscript(parsed_))
        return;
    std::vector<Noscript> found = noscriptsIn(output_, parsed_);
    if (found.empty())
        return;

    // The tree is the browser's once the noscript elements a parse finds are exactly those
    // blanked for it; usually the second parse. A parse is the browser's up to the first
    // noscript that the mask gets wrong, and finds the truth there (a noscript that markup only
    // a noscript read as raw text reveals, or none where it hides one), so blanking what the
    // last parse found is right a little further each time, and for every such place at once.
    for (int parses = 0; parses < kMaskedParses; ++parses) {
        masked_.assign(document.substr(skipped_));
        const std::vector<Noscript> blanked = blankOut(masked_, found);
        parsed_ = masked_;
        parse();
        found = noscriptsIn(output_, parsed_);
        if (found == blanked)
            return;
    }
    throw PlacementError("The page's <noscript> sections hide one another too deeply to tell "
                         "where a browser sees its parts (a <noscript> holds an unclosed "
                         "comment, script or tag). Simplify them, then insert again.");
}

ParsedHtml::~ParsedHtml() = default;

void ParsedHtml::parse() {
    output_ = nullptr;
    arena_.clear();
    output_ = gumbo_parse_with_options(&options_, parsed_.data(), parsed_.size());
}

std::size_t ParsedHtml::parsedEnd() const {
    // Elements still open at the end end there; the latest end of any element is that point.
    std::size_t end = 0;
    std::vector<const GumboNode*> pending{tree()};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (!hasChildren(node))
            continue;
        if (node->type != GUMBO_NODE_DOCUMENT)
            end = std::max(end, offsetOf(node->v.element.end_pos));
        const GumboVector& children = childrenOf(node);
        for (unsigned i = 0; i < children.length; ++i)
            pending.push_back(static_cast<const GumboNode*>(children.data[i]));
    }
    return end;
}

namespace {

// Whether a node's bytes as written are all its text: a comment, CDATA, or the text of an
// element whose content a browser does not read as markup. Other text takes in the bytes of
// tags that gumbo dropped within it.
bool readAsText(const GumboNode* node) {
    if (node->type == GUMBO_NODE_COMMENT || node->type == GUMBO_NODE_CDATA)
        return true;
    const GumboNode* parent = node->parent;
    if (!parent || parent->type != GUMBO_NODE_ELEMENT ||
        parent->v.element.tag_namespace != GUMBO_NAMESPACE_HTML)
        return false;
    switch (parent->v.element.tag) {
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
        return true;
    default:
        return false;
    }
}

// Where the document's bytes belong to what gumbo kept: text read as text, comments, and the
// start and end tags of elements; sorted by their starts.
std::vector<std::pair<std::size_t, std::size_t>> keptRanges(const ParsedHtml& page) {
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    const auto keep = [&](const GumboStringPiece& piece) {
        if (piece.length > 0)
            ranges.push_back({page.offsetOf(piece.data), page.offsetOf(piece.data) + piece.length});
    };
    std::vector<const GumboNode*> pending{page.tree()};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (!hasChildren(node)) {
            if (readAsText(node))
                keep(node->v.text.original_text);
            continue;
        }
        if (node->type != GUMBO_NODE_DOCUMENT) {
            keep(node->v.element.original_tag);
            keep(node->v.element.original_end_tag);
        }
        const GumboVector& children = childrenOf(node);
        for (unsigned i = 0; i < children.length; ++i)
            pending.push_back(static_cast<const GumboNode*>(children.data[i]));
    }
    std::sort(ranges.begin(), ranges.end());
    return ranges;
}

} // namespace

std::size_t ParsedHtml::lastIgnoredEndTag(std::string_view name, std::size_t from,
                                          std::size_t to) const {
    const std::string_view text = document_;
    std::vector<std::size_t> found;
    for (std::size_t at = text.find("</", from); at != std::string_view::npos && at < to;
         at = text.find("</", at + 2)) {
        const std::size_t end = at + 2 + name.size();
        if (end < text.size() && endsTagName(text[end]) &&
            std::equal(name.begin(), name.end(), text.begin() + at + 2,
                       [](char want, char got) { return want == lower(got); }))
            found.push_back(at);
    }
    if (found.empty())
        return std::string_view::npos;
    auto ranges = keptRanges(*this);
    for (std::size_t i = 1; i < ranges.size(); ++i) // each range's end: the furthest one so far
        ranges[i].second = std::max(ranges[i].second, ranges[i - 1].second);
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        const auto after =
            std::upper_bound(ranges.begin(), ranges.end(), *it,
                             [](std::size_t at, const std::pair<std::size_t, std::size_t>& r) {
                                 return at < r.first;
                             });
        if (after == ranges.begin() || std::prev(after)->second <= *it)
            return *it;
    }
    return std::string_view::npos;
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
