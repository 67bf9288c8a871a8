// SPDX-License-Identifier: MIT
#include "scripts/TextRules.h"

#include <gtest/gtest.h>

namespace vorrel {
namespace {

// ":" and "\\" are ordinary characters of a file name; only "/" separates folders.
TEST(BaseFileName, TakesThePartAfterTheLastSlash) {
    EXPECT_EQ(baseFileName("/home/u/pics/Screenshot 10:30.gif"), "Screenshot 10:30.gif");
    EXPECT_EQ(baseFileName("b1.gif"), "b1.gif");
    EXPECT_EQ(baseFileName("/home/ann/pics/b1.gif"), "b1.gif");
    EXPECT_EQ(baseFileName("D:b1.gif"), "D:b1.gif");
    EXPECT_EQ(baseFileName("/srv/a\\b:c/d.gif"), "d.gif");
    EXPECT_EQ(baseFileName("/x/y\\z.gif"), "y\\z.gif");
    EXPECT_EQ(baseFileName("/pics/"), "");
    EXPECT_EQ(baseFileName(""), "");
    EXPECT_EQ(baseFileName("/bilder/größe \"1\".gif"), "größe \"1\".gif");
}

TEST(WindowName, TrimsControlsAndBlanksAndJoinsInnerWords) {
    EXPECT_EQ(windowName("  My Popup Window "), "My_Popup_Window");
    EXPECT_EQ(windowName("A  B"), "A__B");
    EXPECT_EQ(windowName(""), "");
    EXPECT_EQ(windowName("   "), "");
    EXPECT_EQ(windowName("\t\r\nTools\x01\x1f "), "Tools");
    // Only blanks inside are replaced; a tab inside stays.
    EXPECT_EQ(windowName("a\tb c"), "a\tb_c");
    EXPECT_EQ(windowName(" Größe Über "), "Größe_Über");
    EXPECT_EQ(windowName("it's \"x\""), "it's_\"x\"");
}

TEST(YesNo, Words) {
    EXPECT_EQ(yesNo(true), "yes");
    EXPECT_EQ(yesNo(false), "no");
}

TEST(WithCrLf, MakesEveryLineEndCrLfOnce) {
    EXPECT_EQ(withCrLf({"a\nb", "\n", "c\r\nd\n"}), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(withCrLf({"a\r", "b"}), "a\rb");
    EXPECT_EQ(withCrLf({}), "");
}

} // namespace
} // namespace vorrel
