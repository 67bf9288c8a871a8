// SPDX-License-Identifier: MIT
#include "pages/BuilderChecks.h"
#include "pages/EntryList.h"
#include "pages/HtmlLines.h"

#include <gtest/gtest.h>

namespace vorrel {
namespace {

TEST(BuilderChecks, EveryFailingCheckInFieldOrder) {
    EXPECT_EQ(addButtonProblems({}),
              (Problems{kNeedDefaultImage, kNeedMouseOverImage, kNeedImageText, kNeedButtonUrl}));
    EXPECT_EQ(addButtonProblems({"a", "b", "c", ""}), Problems{kNeedButtonUrl});
    EXPECT_EQ(addButtonProblems({"", "b", "", "d"}), (Problems{kNeedDefaultImage, kNeedImageText}));
    // A blank is text: nothing is trimmed.
    EXPECT_EQ(addButtonProblems({" ", " ", " ", " "}), Problems{});

    EXPECT_EQ(buttonListProblems("", "", 0), (Problems{kNeedImageSize, kNoButtons}));
    EXPECT_EQ(buttonListProblems("", "20", 3), Problems{kNeedImageSize});
    EXPECT_EQ(buttonListProblems("abc", "20", 0), Problems{kNoButtons});
    EXPECT_EQ(buttonListProblems("abc", "20", 1), Problems{});

    EXPECT_EQ(addJumpTargetProblems({}), (Problems{kNeedLabel, kNeedJumpUrl}));
    EXPECT_EQ(addJumpTargetProblems({"Home", ""}), Problems{kNeedJumpUrl});
    EXPECT_EQ(jumpListProblems("", 0), (Problems{kNeedJumpImage, kNoJumpTargets}));
    EXPECT_EQ(jumpListProblems("go.gif", 0), Problems{kNoJumpTargets});
    EXPECT_EQ(jumpListProblems("go.gif", 1), Problems{});
}

TEST(EntryList, RemoveSelectsTheEntryThatFollowed) {
    struct Case {
        std::vector<int> before;
        int row;
        std::vector<int> after;
        int selected;
    };
    const Case cases[] = {
        {{1, 2, 3}, 1, {1, 3}, 1},  // the middle: the former third is selected
        {{1, 2, 3}, 2, {1, 2}, -1}, // the last: nothing is selected
        {{1, 2}, 0, {2}, 0},
        {{1}, 0, {}, -1},
        {{1, 2}, -1, {1, 2}, -1}, // nothing selected: nothing happens
        {{}, 0, {}, -1},
    };
    for (const Case& c : cases) {
        std::vector<int> entries = c.before;
        EXPECT_EQ(removeEntry(entries, c.row), c.selected) << c.row;
        EXPECT_EQ(entries, c.after) << c.row;
    }
}

TEST(EntryList, MoveSwapsWithTheNeighbourWhenThereIsOne) {
    std::vector<int> entries{1, 2, 3};
    EXPECT_EQ(moveEntry(entries, 2, -1), 1);
    EXPECT_EQ(entries, (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(moveEntry(entries, 0, +1), 1);
    EXPECT_EQ(entries, (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(moveEntry(entries, 0, -1), -1);
    EXPECT_EQ(moveEntry(entries, 2, +1), -1);
    EXPECT_EQ(moveEntry(entries, -1, +1), -1);
    EXPECT_EQ(entries, (std::vector<int>{3, 1, 2}));
}

TEST(HtmlLines, SplitAtEveryKindOfLineBreak) {
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\n", {"one"}},
        {"one\n\n", {"one", ""}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"a\r\rb\r", {"a", "", "b"}},
        {"\n", {""}},
        {"  <p>\t\"x\"</p>  ", {"  <p>\t\"x\"</p>  "}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(splitLines(text), lines) << text;
}

} // namespace
} // namespace vorrel
