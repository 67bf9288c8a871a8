// SPDX-License-Identifier: MIT
#include "app/HelpFile.h"

#include <gtest/gtest.h>

namespace vorrel {
namespace {

TEST(HelpFile, TopicsByNumberWithTheirTitlesAndLines) {
    const HelpFile file = HelpFile::parse("Notes for editors.\n"
                                          "@topic 1 Using it\r\n"
                                          "Line one\r\n"
                                          "@topic nine Not a topic line\n"
                                          "\n"
                                          "@topic 8   Caption\n"
                                          "The caption.\n"
                                          "@topic 8 Again\n"
                                          "dropped\n"
                                          "@topic 0 Zero\n");
    ASSERT_TRUE(file.topic(1));
    EXPECT_EQ(file.topic(1)->title, "Using it");
    EXPECT_EQ(file.topic(1)->body, "Line one\n@topic nine Not a topic line\n\n");
    ASSERT_TRUE(file.topic(8));
    EXPECT_EQ(file.topic(8)->title, "Caption");
    // A number given twice keeps its first topic, and the second does not run into it.
    EXPECT_EQ(file.topic(8)->body, "The caption.\n");
    EXPECT_FALSE(file.topic(0));
    EXPECT_FALSE(file.topic(9));
    EXPECT_FALSE(HelpFile::parse("").topic(1));
}

TEST(HelpFile, TopicAsEscapedHtml) {
    const HelpTopic topic{"<Options> & more",
                          "First line\nsame paragraph.\n\n## Sub \"head\"\n- one <b>\n- two\n"
                          "  goes on\nAfter the list.\n"};
    EXPECT_EQ(topicHtml(topic), "<h3>&lt;Options&gt; &amp; more</h3>\n"
                                "<p>First line same paragraph.</p>\n"
                                "<h4>Sub &quot;head&quot;</h4>\n"
                                "<ul>\n<li>one &lt;b&gt;</li>\n<li>two goes on</li>\n</ul>\n"
                                "<p>After the list.</p>\n");
}

} // namespace
} // namespace vorrel
