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

namespace {

// Elements whose content a browser does not read as markup (or, for a template, never runs),
// and foreign content, where HTML is not HTML.
bool swallowsMarkup(const GumboNode* node) {
    if (node->type == GUMBO_NODE_TEMPLATE)
        return true;
    const GumboElement& element = node->v.element;
    if (element.tag_namespace != GUMBO_NAMESPACE_HTML)
        return true;
    switch (element.tag) {
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
    case GUMBO_TAG_TEMPLATE:
        return true;
    default:
        return false;
    }
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// A comment that the end of the document cut short, from its text as written (which gumbo may
// start with tags it dropped just before it): a "<!--" comment ends with "-->" or "--!>" (or is
// "<!-->" or "<!--->"), any other ends at the first ">". Taking a comment for cut short only
// moves text to before it.
bool unterminated(std::string_view comment) {
    if (!endsWith(comment, ">"))
        return true;
    return comment.find("<!--") != std::string_view::npos &&
           !(endsWith(comment, "-->") || endsWith(comment, "--!>"));
}

} // namespace

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

std::size_t ParsedHtml::readableBefore(std::size_t offset) const {
    std::size_t readable = offset;
    // Every node that starts before `offset` is looked at: gumbo's end of an element is not
    // always past what it holds (a head that a script is put back into after </head> ends at
    // that tag), so a parent's end cannot tell whether something in it is still open.
    std::vector<const GumboNode*> pending{tree()};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_COMMENT) {
            const GumboText& comment = node->v.text;
            const std::size_t start = offsetOf(comment.start_pos);
            if (start < offset && start + comment.original_text.length >= offset &&
                unterminated({comment.original_text.data, comment.original_text.length}))
                readable = std::min(readable, start);
            continue;
        }
        if (!hasChildren(node))
            continue;
        if (node->type != GUMBO_NODE_DOCUMENT) {
            const GumboElement& element = node->v.element;
            const std::size_t start = offsetOf(element.start_pos);
            if (start >= offset)
                continue;
            // An element's end is where its end tag starts, or where it ends without one.
            if (swallowsMarkup(node) && offsetOf(element.end_pos) >= offset) {
                readable = std::min(readable, start);
                continue;
            }
        }
        const GumboVector& children = childrenOf(node);
        for (unsigned i = 0; i < children.length; ++i)
            pending.push_back(static_cast<const GumboNode*>(children.data[i]));
    }
    if (readable == document_.size()) {
        if (endsWith(document_, "</"))
            return readable - 2;
        if (endsWith(document_, "<"))
            return readable - 1;
    }
    return readable;
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
