// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vorrel {

// The help file, vorrel.hlp: plain UTF-8 text made of numbered topics.
//
//   @topic 8 Caption
//   First paragraph of topic 8, which may run
//   over several lines.
//
//   ## A subheading
//   - a list item
//   - another list item, which goes on
//     over the indented lines after it
//
// A line "@topic N Title" starts topic N (a whole number above 0); the topic runs to the next
// such line. Inside a topic a blank line ends a paragraph, "## " starts a subheading and "- " a
// list item. Text before the first topic is a note for the file's editors and is never shown.
struct HelpTopic {
    std::string title;
    std::string body; // the topic's lines as written, LF-separated
};

class HelpFile {
public:
    static HelpFile parse(std::string_view text);

    std::optional<HelpTopic> topic(int number) const;

private:
    std::map<int, HelpTopic> topics_;
};

// A topic as HTML for the help window and the pop-ups. Every text is escaped.
std::string topicHtml(const HelpTopic& topic);

} // namespace vorrel
