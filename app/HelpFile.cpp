#include "app/HelpFile.h"

#include <algorithm>
#include <charconv>

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
    std::string html = "<h3>" + escaped(topic.title) + "</h3>\n";
    std::string paragraph;
    bool inList = false;
    const auto endParagraph = [&] {
        if (!paragraph.empty())
            html += "<p>" + escaped(paragraph) + "</p>\n";
        paragraph.clear();
    };
    const auto endList = [&] {
        if (inList)
            html += "</ul>\n";
        inList = false;
    };
    for (std::size_t pos = 0; pos < topic.body.size();) {
        const std::string_view line = nextLine(topic.body, pos);
        if (line.starts_with("## ")) {
            endParagraph();
            endList();
            html += "<h4>" + escaped(line.substr(3)) + "</h4>\n";
        } else if (line.starts_with("- ")) {
            endParagraph();
            if (!inList)
                html += "<ul>\n";
            inList = true;
            html += "<li>" + escaped(line.substr(2)) + "</li>\n";
        } else if (line.find_first_not_of(' ') == std::string_view::npos) {
            endParagraph();
            endList();
        } else {
            endList();
            if (!paragraph.empty())
                paragraph += ' ';
            paragraph += line;
        }
    }
    endParagraph();
    endList();
    return html;
}

} // namespace vorrel
