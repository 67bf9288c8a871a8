// SPDX-License-Identifier: MIT
#include "app/HelpFile.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <vector>

namespace vorrel {

namespace {

constexpr std::string_view kTopicMark = "@topic ";

// The next line of `text` from `pos`, without its line end (LF or CR LF); moves `pos` past it.
std::string_view nextLine(std::string_view text, std::size_t& pos) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// "@topic N Title": the number and the title; nothing when the line starts no topic.
std::optional<std::pair<int, std::string_view>> topicStart(std::string_view line) {
    if (!line.starts_with(kTopicMark))
        return std::nullopt;
    line.remove_prefix(kTopicMark.size());
    int number = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
    if (error != std::errc() || number <= 0)
        return std::nullopt;
    std::string_view title = line.substr(std::size_t(end - line.data()));
    while (!title.empty() && title.front() == ' ')
        title.remove_prefix(1);
    return std::pair{number, title};
}

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

HelpFile HelpFile::parse(std::string_view text) {
    HelpFile file;
    // Where the lines go: nowhere before the first topic, and nowhere for a number given a second
    // time, which keeps its first topic.
    HelpTopic* current = nullptr;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view line = nextLine(text, pos);
        if (const auto start = topicStart(line)) {
            auto [it, added] = file.topics_.try_emplace(start->first);
            current = added ? &it->second : nullptr;
            if (current)
                current->title = start->second;
        } else if (current) {
            current->body += line;
            current->body += '\n';
        }
    }
    return file;
}

std::optional<HelpTopic> HelpFile::topic(int number) const {
    const auto it = topics_.find(number);
    if (it == topics_.end())
        return std::nullopt;
    return it->second;
}

std::string topicHtml(const HelpTopic& topic) {
    // The topic's blocks in order: paragraphs, subheadings and list items. A list item goes on
    // over the indented lines after it.
    enum class Kind { Paragraph, Heading, Item };
    std::vector<std::pair<Kind, std::string>> blocks;
    bool open = false; // the last block takes the next line of text
    for (std::size_t pos = 0; pos < topic.body.size();) {
        const std::string_view line = nextLine(topic.body, pos);
        const bool blank = line.find_first_not_of(' ') == std::string_view::npos;
        if (blank) {
            open = false;
        } else if (line.starts_with("## ")) {
            blocks.emplace_back(Kind::Heading, line.substr(3));
            open = false;
        } else if (line.starts_with("- ")) {
            blocks.emplace_back(Kind::Item, line.substr(2));
            open = true;
        } else if (open && (blocks.back().first == Kind::Paragraph || line.starts_with(' '))) {
            blocks.back().second += ' ';
            blocks.back().second += line.substr(line.find_first_not_of(' '));
        } else {
            blocks.emplace_back(Kind::Paragraph, line);
            open = true;
        }
    }

    std::string html = "<h3>" + escaped(topic.title) + "</h3>\n";
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const auto& [kind, text] = blocks[i];
        const bool listBefore = i > 0 && blocks[i - 1].first == Kind::Item;
        const bool listAfter = i + 1 < blocks.size() && blocks[i + 1].first == Kind::Item;
        switch (kind) {
        case Kind::Heading:
            html += "<h4>" + escaped(text) + "</h4>\n";
            break;
        case Kind::Paragraph:
            html += "<p>" + escaped(text) + "</p>\n";
            break;
        case Kind::Item:
            html += (listBefore ? "" : "<ul>\n") + std::string("<li>") + escaped(text) + "</li>\n" +
                    (listAfter ? "" : "</ul>\n");
            break;
        }
    }
    return html;
}

} // namespace vorrel
