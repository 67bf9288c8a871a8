// SPDX-License-Identifier: MIT
#include "editors/kit/HandlerScript.h"

#include "editors/kit/Placement.h"

#include <array>

namespace kit {

namespace {

using End = HandlerScript::End;

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || isLineEnd(c);
}

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

// Words after which a "/" begins a regular expression rather than dividing.
bool precedesExpression(std::string_view word) {
    constexpr std::array<std::string_view, 14> kWords = {
        "return", "typeof", "instanceof", "in", "of",   "new",   "delete",
        "void",   "throw",  "case",       "do", "else", "yield", "await"};
    for (const std::string_view w : kWords)
        if (word == w)
            return true;
    return false;
}

// Reads a script the way JavaScript's tokenizer does, as far as telling where it ends goes. A
// "/" is taken for a regular expression where an expression may begin, as usual for such
// scanners; brackets only need to match in kind.
class Scanner {
public:
    explicit Scanner(std::string_view script) : text_(script) {}

    End scan(bool& leaves) {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (isBlank(c)) {
                lineStart_ = lineStart_ || isLineEnd(c);
                ++at_;
            } else if (startsLineComment()) {
                while (at_ < text_.size() && !isLineEnd(text_[at_]))
                    ++at_;
                if (at_ == text_.size())
                    return End::LineComment;
            } else if (lookingAt("/*")) {
                const std::size_t close = text_.find("*/", at_ + 2);
                if (close == std::string_view::npos)
                    return End::BlockComment;
                const std::string_view comment = text_.substr(at_, close - at_);
                lineStart_ = lineStart_ || comment.find_first_of("\n\r") != std::string_view::npos;
                at_ = close + 2;
            } else {
                lineStart_ = false;
                if (!token(c, leaves))
                    return End::Unfinished;
            }
        }
        return brackets_.empty() ? End::Code : End::Unfinished;
    }

private:
    bool lookingAt(std::string_view what) const { return text_.substr(at_).starts_with(what); }

    // "-->" only starts a comment at the beginning of a line.
    bool startsLineComment() const {
        return lookingAt("//") || lookingAt("<!--") || (lineStart_ && lookingAt("-->"));
    }

    // One token of code; false where the script cannot go on from it.
    bool token(char c, bool& leaves) {
        if (c == '"' || c == '\'')
            return quoted(c);
        if (c == '`') {
            ++at_;
            return templateText();
        }
        if (c == '/' && expressionMayBegin_)
            return regularExpression();
        if (c == '(' || c == '[' || c == '{') {
            brackets_ += c;
            ++at_;
            expressionMayBegin_ = true;
            return true;
        }
        if (c == ')' || c == ']' || c == '}')
            return closing(c);
        if (isWordChar(c)) {
            word(leaves);
            return true;
        }
        ++at_; // an operator or other punctuation
        expressionMayBegin_ = true;
        return true;
    }

    bool quoted(char quote) {
        for (++at_; at_ < text_.size(); ++at_) {
            if (text_[at_] == '\\')
                ++at_;
            else if (text_[at_] == quote)
                break;
            else if (isLineEnd(text_[at_]))
                return false;
        }
        if (at_ >= text_.size())
            return false;
        ++at_;
        expressionMayBegin_ = false;
        return true;
    }

    // Template text up to its closing "`", or up to a "${" whose "}" returns to it.
    bool templateText() {
        for (; at_ < text_.size(); ++at_) {
            if (text_[at_] == '\\') {
                ++at_;
            } else if (text_[at_] == '`') {
                ++at_;
                expressionMayBegin_ = false;
                return true;
            } else if (lookingAt("${")) {
                brackets_ += '$';
                at_ += 2;
                expressionMayBegin_ = true;
                return true;
            }
        }
        return false;
    }

    bool regularExpression() {
        bool inClass = false;
        for (++at_; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (c == '\\')
                ++at_;
            else if (isLineEnd(c))
                return false;
            else if (c == '[')
                inClass = true;
            else if (c == ']')
                inClass = false;
            else if (c == '/' && !inClass)
                break;
        }
        if (at_ >= text_.size())
            return false;
        for (++at_; at_ < text_.size() && isWordChar(text_[at_]);) // its flags
            ++at_;
        expressionMayBegin_ = false;
        return true;
    }

    bool closing(char c) {
        if (brackets_.empty())
            return false;
        const char open = brackets_.back();
        brackets_.pop_back();
        ++at_;
        if (open == '$' && c == '}')
            return templateText();
        if ((open == '(') != (c == ')') || (open == '[') != (c == ']'))
            return false;
        expressionMayBegin_ = c == '}';
        return true;
    }

    void word(bool& leaves) {
        const std::size_t start = at_;
        while (at_ < text_.size() && isWordChar(text_[at_]))
            ++at_;
        const std::string_view w = text_.substr(start, at_ - start);
        const bool property = start > 0 && text_[start - 1] == '.';
        if (!property && (w == "return" || w == "throw"))
            leaves = true;
        expressionMayBegin_ = !property && precedesExpression(w);
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string brackets_; // open brackets, innermost last; "$" for a template's "${"
    bool expressionMayBegin_ = true;
    bool lineStart_ = true;
};

// Code that begins with one of these would continue the line before it.
bool continuesPreviousLine(std::string_view script) {
    const std::size_t first = script.find_first_not_of(" \t\v\f\n\r");
    return first != std::string_view::npos &&
           std::string_view("([`+-/").find(script[first]) != std::string_view::npos;
}

} // namespace

HandlerScript::HandlerScript(std::string_view script) {
    end = Scanner(script).scan(leaves);
}

JoinedScripts joinedHandlers(std::string_view name, std::string_view first,
                             std::string_view second) {
    const HandlerScript page(first);
    if (page.end == End::Unfinished)
        throw PlacementError("The page's body already has an " + std::string(name) +
                             " handler that is unfinished script (a quote, a bracket or a "
                             "regular expression in it is never closed), so a browser would run "
                             "neither it nor anything added to it. Correct that attribute of the "
                             "body tag, then insert again.");
    if (page.leaves) {
        const bool addedOpen = HandlerScript(second).end == End::BlockComment;
        return {"try{", std::string(page.end == End::BlockComment ? "*/" : "") + "\n}finally{",
                std::string(addedOpen ? "*/" : "") + "\n}"};
    }
    switch (page.end) {
    case End::LineComment:
        return {"", continuesPreviousLine(second) ? "\n;" : "\n", ""};
    case End::BlockComment:
        return {"", "*/;", ""};
    default:
        break;
    }
    const std::size_t last = first.find_last_not_of(" \t\v\f\n\r");
    return {"", first[last] == ';' ? "" : ";", ""};
}

} // namespace kit
