#include "tools/htmlhost/HtmlTags.h"

#include <algorithm>

namespace htmlhost {

namespace {

enum class Kind { StartTag, EndTag, Comment };

struct Token {
    Kind kind;
    std::string_view name; // the tag name as written, or the comment's text
    Span span;
};

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

// Elements whose content is text up to their own end tag, never markup.
bool holdsRawText(std::string_view name) {
    for (std::string_view raw : {"script", "style", "textarea", "title", "xmp"})
        if (sameText(name, raw))
            return true;
    return false;
}

// Just past the ">" that closes a tag whose name ends at `at`; quoted attribute values may hold
// ">" themselves. npos for a tag that never closes.
std::size_t tagClose(std::string_view html, std::size_t at) {
    while (at < html.size()) {
        const char c = html[at];
        if (c == '>')
            return at + 1;
        ++at;
        if (c != '=')
            continue;
        while (at < html.size() && isSpace(html[at]))
            ++at;
        if (at < html.size() && (html[at] == '"' || html[at] == '\'')) {
            const std::size_t quoteEnd = html.find(html[at], at + 1);
            if (quoteEnd == std::string_view::npos)
                return std::string_view::npos;
            at = quoteEnd + 1;
        }
    }
    return std::string_view::npos;
}

// Where the end tag of a raw-text element starts, or the document's end.
std::size_t rawTextEnd(std::string_view html, std::size_t from, std::string_view name) {
    for (std::size_t at = html.find("</", from); at != std::string_view::npos;
         at = html.find("</", at + 2)) {
        const std::size_t after = at + 2 + name.size();
        if (after <= html.size() && sameText(html.substr(at + 2, name.size()), name) &&
            (after == html.size() || isSpace(html[after]) || html[after] == '>' ||
             html[after] == '/'))
            return at;
    }
    return html.size();
}

struct CommentEnd {
    std::size_t textEnd; // where the comment's text stops
    std::size_t end;     // just past its close
};

// Where the comment that opens at `at` with "<!--" ends; an unclosed one runs to the end.
// Browsers let the opening dashes close it too, so "<!-->" and "<!--->" are whole empty
// comments, not the start of one that hides everything up to the next "-->". They also take
// "--!>" as a close.
CommentEnd commentEnd(std::string_view html, std::size_t at) {
    const std::size_t textBegin = at + 4;
    const std::size_t dashes = html.find("-->", at + 2);
    const std::size_t bang = html.find("--!>", textBegin);
    if (dashes == std::string_view::npos && bang == std::string_view::npos)
        return {html.size(), html.size()};
    if (dashes <= bang)
        return {std::max(dashes, textBegin), dashes + 3};
    return {bang, bang + 4};
}

// Walks the document's comments and tags in order until `visit` returns true.
template <typename Visit> void scan(std::string_view html, Visit visit) {
    std::size_t at = 0;
    while ((at = html.find('<', at)) != std::string_view::npos) {
        if (html.substr(at, 4) == "<!--") {
            const CommentEnd close = commentEnd(html, at);
            const std::string_view text = html.substr(at + 4, close.textEnd - (at + 4));
            if (visit(Token{Kind::Comment, text, {at, close.end}}))
                return;
            at = close.end;
            continue;
        }
        const bool closing = at + 1 < html.size() && html[at + 1] == '/';
        const std::size_t nameBegin = at + (closing ? 2 : 1);
        if (nameBegin < html.size() && isLetter(html[nameBegin])) {
            std::size_t nameEnd = nameBegin;
            while (nameEnd < html.size() && !isSpace(html[nameEnd]) && html[nameEnd] != '>' &&
                   html[nameEnd] != '/')
                ++nameEnd;
            const std::size_t end = tagClose(html, nameEnd);
            if (end == std::string_view::npos)
                return;
            const std::string_view name = html.substr(nameBegin, nameEnd - nameBegin);
            if (visit(Token{closing ? Kind::EndTag : Kind::StartTag, name, {at, end}}))
                return;
            at = (!closing && holdsRawText(name)) ? rawTextEnd(html, end, name) : end;
        } else if (nameBegin < html.size() && (html[at + 1] == '!' || html[at + 1] == '?')) {
            // <!DOCTYPE ...> and the like
            const std::size_t close = html.find('>', at);
            at = close == std::string_view::npos ? html.size() : close + 1;
        } else {
            ++at; // a "<" that starts no markup, such as "a < b"
        }
    }
}

std::optional<Span> findFirst(std::string_view html, Kind kind, std::string_view name) {
    std::optional<Span> found;
    scan(html, [&](const Token& token) {
        if (token.kind == kind && sameText(token.name, name))
            found = token.span;
        return found.has_value();
    });
    return found;
}

} // namespace

std::optional<Span> findStartTag(std::string_view html, std::string_view name) {
    return findFirst(html, Kind::StartTag, name);
}

std::optional<Span> findEndTag(std::string_view html, std::string_view name) {
    return findFirst(html, Kind::EndTag, name);
}

std::optional<Span> findComment(std::string_view html, std::string_view text) {
    return findFirst(html, Kind::Comment, text);
}

} // namespace htmlhost
