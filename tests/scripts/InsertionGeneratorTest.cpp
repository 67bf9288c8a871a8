// SPDX-License-Identifier: MIT
#include "scripts/InsertionGenerator.h"

#include "scripts/AnimatedButtonTemplates.h"
#include "scripts/JumpListTemplates.h"
#include "scripts/LauncherTemplates.h"
#include "scripts/ToolTemplates.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace vorrel {
namespace {

using test::EventLog;

class InsertionGeneratorTest : public ::testing::Test {
protected:
    EventLog log;
    test::RecordingLink link{log};
    test::RecordingPlatform platform{log};
    InsertionGenerator generator{
        {link, platform, platform, platform, platform, platform, "/home/ann/"}};
    InsertionPlan plan;
    WizardState state;

    test::RecordingHost& host() { return *link.host; }

    void use(ScriptTool tool, DisplayMethod method = DisplayMethod::InCurrentPage) {
        state.tool = tool;
        state.caption = std::string(toolName(tool));
        state.pageFileName = state.caption.substr(0, 3) + ".htm";
        state.buttonCaption = state.caption;
        state.displayMethod = method;
    }

    void run(bool noHost) { generator.generateInsertion(state, noHost, plan); }

    static std::string call(const std::string& method, const std::string& arg) {
        return "host " + method + " [" + arg + "]";
    }
};

const AnimatedButton kHome{"/img/home.gif", "/img/home_on.gif", "Home", "index.htm"};
const AnimatedButton kNews{"/pics/news.gif", "/pics/news_on.gif", "News", "news.htm"};

TEST_F(InsertionGeneratorTest, ClockIntoTheHostDocument) {
    use(ScriptTool::Clock);
    run(false);
    EXPECT_EQ(log, (EventLog{
                       "connect",
                       "host isopendoc",
                       call("puttextatcursor", "<h2>Clock</h2>\r\n" + std::string(clockForm())),
                       call("puttextinbody", " onload=\"cstarttm()\" onunload=\"cendtm()\""),
                       call("puttexthead", std::string(clockScriptBlock())),
                       "plain: JavaScript insertion complete.",
                   }));
}

TEST_F(InsertionGeneratorTest, ClockOntoTheClipboard) {
    use(ScriptTool::Clock);
    run(true);
    EXPECT_EQ(log,
              (EventLog{"clipboard", "information: The HTML has been copied to the clipboard."}));
    EXPECT_EQ(platform.clipboard,
              "\r\n<!-- Copy this HTML into the <HEAD> section of your HTML file -->\r\n" +
                  std::string(clockScriptBlock()) +
                  "\r\n"
                  "\r\n<!-- Copy this HTML into the <BODY> section of your HTML file -->\r\n"
                  "<h2>Clock</h2>\r\n" +
                  std::string(clockForm()) +
                  "\r\n"
                  "\r\n<!-- Copy this HTML into the <BODY> tag in your HTML file -->\r\n"
                  " onload=\"cstarttm()\" onunload=\"cendtm()\"\r\n");
}

TEST_F(InsertionGeneratorTest, ToolsWithoutBodyHooksMakeNoBodyTagCall) {
    use(ScriptTool::SearchPad);
    run(false);
    EXPECT_EQ(log, (EventLog{"connect", "host isopendoc",
                             call("puttextatcursor",
                                  "<h2>Search Pad</h2>\r\n" + std::string(searchPadForm())),
                             call("puttexthead", std::string(searchPadScriptBlock())),
                             "plain: JavaScript insertion complete."}));
    log.clear();
    use(ScriptTool::Timer);
    run(false);
    EXPECT_EQ(log[2], call("puttextatcursor",
                           "<center><h2>Timer</h2>\r\n" + std::string(timerForm()) + "</center>"));
    EXPECT_EQ(log[3], call("puttextinbody", std::string(timerBodyAttributes())));
}

TEST_F(InsertionGeneratorTest, AnimatedButtonsImagesAreCopiedBeforeAnyText) {
    use(ScriptTool::AnimatedButtons);
    state.buttons = {kHome, kNews};
    run(false);
    const std::string links =
        "<h2>Animated Buttons</h2>\r\n"
        "<a href=\"javascript:gonow(1)\" onMouseOver=\"on_img(p1,3);self.status='Home';return "
        "true\"onMouseOut= \"on_img(p1,1);self.status='Home';return true\">\r\n"
        "<img src=\"home.gif\" name=\"p1\" alt=\"Home\" border=0 width=\"20\" "
        "height=\"20\"></a><br>\r\n"
        "<a href=\"javascript:gonow(2)\" onMouseOver=\"on_img(p2,4);self.status='News';return "
        "true\"onMouseOut= \"on_img(p2,2);self.status='News';return true\">\r\n"
        "<img src=\"news.gif\" name=\"p2\" alt=\"News\" border=0 width=\"20\" "
        "height=\"20\"></a><br>\r\n";
    EXPECT_EQ(log,
              (EventLog{"connect", "host isopendoc", "minimize",
                        call("copyfiles", "/img/home.gif;/img/home_on.gif;/pics/"
                                          "news.gif;/pics/news_on.gif;"),
                        "restore", call("puttextatcursor", links),
                        call("puttexthead", animatedButtonsHead({kHome, kNews}, "20", "20", false)),
                        "plain: JavaScript insertion complete."}));
}

TEST_F(InsertionGeneratorTest, AnimatedButtonsWithoutHostListTheImagesToUpload) {
    use(ScriptTool::AnimatedButtons);
    state.buttons = {kHome};
    state.suggestBrowserChange = true;
    run(true);
    EXPECT_EQ(log, (EventLog{"minimize", "restore", "clipboard",
                             "information: The HTML has been copied to the clipboard."}));
    const std::string expectedStart =
        "<!-- The following files need to be uploaded to the same directory as the target HTML "
        "file:\r\n/img/home.gif;/img/home_on.gif;\r\n-->"
        "\r\n<!-- Copy this HTML into the <HEAD> section of your HTML file -->\r\n" +
        animatedButtonsHead({kHome}, "20", "20", true) + "\r\n";
    EXPECT_EQ(platform.clipboard.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(platform.clipboard.find("<!-- Copy this HTML into the <BODY> section"),
              std::string::npos);
}

TEST_F(InsertionGeneratorTest, AnimatedButtonsWithNoButtonsStillRunTheCopyStep) {
    use(ScriptTool::AnimatedButtons);
    run(false);
    EXPECT_EQ(log[3], call("copyfiles", ""));
    EXPECT_EQ(log[5], call("puttextatcursor", "<h2>Animated Buttons</h2>\r\n"));

    log.clear();
    run(true);
    EXPECT_EQ(platform.clipboard.rfind("\r\n<!-- Copy this HTML into the <HEAD>", 0), 0u)
        << "no upload comment for an empty list";
}

TEST_F(InsertionGeneratorTest, JumpListWithoutHostHasAnEmptyLineBeforeItsUploadList) {
    use(ScriptTool::JumpList);
    state.jumpImage = "/pics/go.gif";
    state.jumpImageText = "Go";
    state.jumpTargets = {{"One", "one.htm"}, {"Two", "two.htm"}};
    run(true);
    EXPECT_EQ(platform.clipboard,
              "<!-- The following files need to be uploaded to the same directory as the target "
              "HTML file:\r\n\r\n/pics/go.gif;\r\n-->"
              "\r\n<!-- Copy this HTML into the <HEAD> section of your HTML file -->\r\n" +
                  jumpListHead(state.jumpTargets) +
                  "\r\n"
                  "\r\n<!-- Copy this HTML into the <BODY> section of your HTML file -->\r\n"
                  "<h2>Jump List</h2>\r\n<form name=\"joform\" size=1>\r\n<select "
                  "name=\"jsel\">\r\n<option selected  >One\r\n<option >Two\r\n</select>\r\n"
                  "<a href=\"javascript:jump()\"><IMG SRC=\"go.gif\" ALT=\"Go\" "
                  "border=\"0\"></a>\r\n</form>\r\n\r\n");

    state.jumpImage.clear();
    run(true);
    EXPECT_EQ(platform.clipboard.rfind("<!-- The following files need to be uploaded to the "
                                       "same directory as the target HTML file:\r\n\r\n;\r\n-->",
                                       0),
              0u);
    log.clear();
    run(false);
    EXPECT_EQ(log[3], call("copyfiles", ";"));
}

TEST_F(InsertionGeneratorTest, OnlyFalseInLowerCaseMeansNoDocument) {
    use(ScriptTool::Clock, DisplayMethod::ButtonOpensWindow);
    host().answers["isopendoc"] = {"false"};
    run(false);
    EXPECT_EQ(log, (EventLog{"connect", "host isopendoc", "plain: No document open in Wexdor"}));
    EXPECT_TRUE(platform.files.empty());

    for (const char* answer : {"False", "FALSE", "", "0"}) {
        log.clear();
        host().answers["isopendoc"] = {answer};
        use(ScriptTool::Clock);
        run(false);
        EXPECT_EQ(log.back(), "plain: JavaScript insertion complete.") << answer;
    }
}

TEST_F(InsertionGeneratorTest, UnreachableHostWithoutEarlierObjectFailsAtTheFirstCall) {
    use(ScriptTool::Clock);
    link.reachable = false;
    EXPECT_THROW(run(false), HostError);
    EXPECT_EQ(log, (EventLog{"connect", "plain: Could not connect to Wexdor 4.\r\nStrange things "
                                        "will probably happen."}));
}

TEST_F(InsertionGeneratorTest, UnreachableHostFallsBackOnTheEarlierObject) {
    use(ScriptTool::SearchPad);
    run(false);
    link.reachable = false;
    log.clear();
    run(false);
    EXPECT_EQ(log[0], "connect");
    EXPECT_EQ(log[1], "plain: Could not connect to Wexdor 4.\r\nStrange things will probably "
                      "happen.");
    EXPECT_EQ(log[2], "host isopendoc");
    EXPECT_EQ(log.back(), "plain: JavaScript insertion complete.");
}

TEST_F(InsertionGeneratorTest, AFailingCallStopsTheRunThereAndReportsNothing) {
    use(ScriptTool::Clock);
    host().failures["puttextinbody"] = "The body tag is missing.";
    try {
        run(false);
        FAIL() << "the failing call did not end the run";
    } catch (const HostError& error) {
        EXPECT_STREQ(error.what(), "The body tag is missing.");
    }
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[2].rfind("host puttextatcursor", 0), 0u);
    EXPECT_EQ(log[3].rfind("host puttextinbody", 0), 0u);
}

TEST_F(InsertionGeneratorTest, FailedCopyBringsTheWindowsBack) {
    use(ScriptTool::AnimatedButtons);
    state.buttons = {kHome};
    host().failures["copyfiles"] = "/img/home.gif does not exist.";
    EXPECT_THROW(run(false), HostError);
    EXPECT_EQ(log.back(), "restore");
}

TEST_F(InsertionGeneratorTest, ButtonOpensWindowWritesThePageThenInsertsTheLauncher) {
    use(ScriptTool::Timer, DisplayMethod::ButtonOpensWindow);
    host().answers["getworkdir"] = {"/site/"};
    run(false);
    EXPECT_EQ(log, (EventLog{"connect", "host isopendoc", "host getworkdir", "host getworkdir",
                             "host getworkdir", "create /site/Tim.htm", "commit /site/Tim.htm",
                             call("puttextatcursor", launcherButton(state)),
                             "plain: JavaScript insertion complete."}));

    log.clear();
    run(true);
    EXPECT_EQ(log, (EventLog{"pick folder from /home/ann/ titled Select save file location",
                             "create /home/ann/Tim.htm", "commit /home/ann/Tim.htm", "clipboard",
                             "information: The HTML has been copied to the clipboard."}));
    EXPECT_EQ(platform.clipboard,
              "\r\n<!-- Copy this HTML into the <BODY> section of your HTML file -->\r\n" +
                  launcherButton(state) + "\r\n");
}

TEST_F(InsertionGeneratorTest, AutoOpenWindowOnlyPutsTheScriptIntoTheBody) {
    use(ScriptTool::PopupWindow, DisplayMethod::AutoOpenWindow);
    state.caption = "  My Popup Window ";
    host().answers["getworkdir"] = {"/site/"};
    run(false);
    ASSERT_EQ(log.size(), 9u);
    EXPECT_EQ(log[7], call("puttextbody", autoOpenScript(state)));
    EXPECT_NE(log[7].find("'My_Popup_Window'"), std::string::npos);
}

TEST_F(InsertionGeneratorTest, APageThatCannotBeWrittenStopsTheRunBeforeAnythingIsDone) {
    use(ScriptTool::AnimatedButtons, DisplayMethod::ButtonOpensWindow);
    state.buttons = {kHome};
    state.pageFileName = "missing/Ani.htm";
    host().answers["getworkdir"] = {"/site/"};
    platform.failCreateWith = "The folder /site/missing does not exist.";
    EXPECT_THROW(run(false), FileError);
    EXPECT_EQ(log.back(), "create /site/missing/Ani.htm");

    log.clear();
    EXPECT_THROW(run(true), FileError);
    EXPECT_TRUE(platform.clipboard.empty());
    EXPECT_TRUE(platform.files.empty());
}

// The tool picker empties the texts before a pass; whatever the plan holds is delivered, in the
// fixed order of the host's four calls.
TEST_F(InsertionGeneratorTest, DeliversThePlanInTheFixedOrder) {
    use(ScriptTool::Clock, DisplayMethod::AutoOpenWindow);
    host().answers["getworkdir"] = {"/site/"};
    plan.cursorText = "C";
    plan.bodyTagText = " T";
    plan.headText = "H";
    run(false);
    EXPECT_EQ(EventLog(log.end() - 5, log.end()),
              (EventLog{call("puttextatcursor", "C"), call("puttextbody", autoOpenScript(state)),
                        call("puttextinbody", " T"), call("puttexthead", "H"),
                        "plain: JavaScript insertion complete."}));
}

TEST_F(InsertionGeneratorTest, SecondRunStartsWithAnEmptyUploadList) {
    use(ScriptTool::JumpList);
    state.jumpImage = "go.gif";
    run(true);
    plan.clearTexts();
    use(ScriptTool::Clock);
    run(true);
    EXPECT_TRUE(plan.uploadList.empty());
    EXPECT_EQ(platform.clipboard.find("uploaded"), std::string::npos);
}

// Every tool with every display method: which host calls it makes, and which sections its
// clipboard text has.
TEST_F(InsertionGeneratorTest, EveryToolAndDisplayMethod) {
    using Tool = ScriptTool;
    const auto hasImages = [](Tool t) { return t == Tool::AnimatedButtons || t == Tool::JumpList; };
    const auto hasHooks = [](Tool t) { return t == Tool::Clock || t == Tool::Timer; };
    // The clipboard's comment lines, in order, by what they announce.
    const auto sections = [](const std::string& text) {
        std::vector<std::string> found;
        for (std::size_t at = text.find("<!-- "); at != std::string::npos;
             at = text.find("<!-- ", at + 1)) {
            const std::string line = text.substr(at, text.find("\r\n", at) - at);
            found.push_back(line.find("uploaded") != std::string::npos     ? "upload"
                            : line.find("<HEAD>") != std::string::npos     ? "head"
                            : line.find("<BODY> tag") != std::string::npos ? "body tag"
                                                                           : "body");
        }
        return found;
    };
    for (int t = 0; t < 7; ++t) {
        for (int m = 0; m < 3; ++m) {
            const Tool tool = Tool(t);
            const DisplayMethod method = DisplayMethod(m);
            if (tool == Tool::PopupWindow && method == DisplayMethod::InCurrentPage)
                continue;
            SCOPED_TRACE(std::string(toolName(tool)) + ", display method " + std::to_string(m));
            use(tool, method);
            state.buttons = {kHome};
            state.jumpImage = "go.gif";
            host().answers["getworkdir"] = {"/site/"};
            platform.files.clear();
            log.clear();
            plan = InsertionPlan();
            run(false);

            EventLog expected = {"connect", "host isopendoc"};
            if (m != 0)
                expected.insert(expected.end(),
                                {"host getworkdir", "host getworkdir", "host getworkdir",
                                 "create /site/" + state.pageFileName});
            if (hasImages(tool))
                expected.insert(expected.end(), {"minimize", "host copyfiles", "restore"});
            if (m != 0)
                expected.push_back("commit /site/" + state.pageFileName);
            if (m == 2) {
                expected.push_back("host puttextbody");
            } else {
                expected.push_back("host puttextatcursor");
                if (m == 0 && hasHooks(tool))
                    expected.push_back("host puttextinbody");
                if (m == 0)
                    expected.push_back("host puttexthead");
            }
            expected.push_back("plain: JavaScript insertion complete.");
            EventLog calls;
            for (const std::string& line : log)
                calls.push_back(line.substr(0, line.find(" [")));
            EXPECT_EQ(calls, expected);

            plan = InsertionPlan();
            run(true);
            std::vector<std::string> expectedSections;
            if (m == 0 && hasImages(tool))
                expectedSections.push_back("upload");
            if (m == 0)
                expectedSections.push_back("head");
            expectedSections.push_back("body");
            if (m == 0 && hasHooks(tool))
                expectedSections.push_back("body tag");
            EXPECT_EQ(sections(platform.clipboard), expectedSections);
        }
    }
}

TEST(ClipboardText, SectionsInTheirOrderEachAfterAnEmptyLine) {
    InsertionPlan plan;
    EXPECT_EQ(clipboardText(plan), "");
    plan.uploadList = "a;";
    plan.headText = "H";
    plan.bodyText = "B";
    plan.cursorText = "C";
    plan.bodyTagText = " T";
    EXPECT_EQ(clipboardText(plan),
              "<!-- The following files need to be uploaded to the same directory as the target "
              "HTML file:\r\na;\r\n-->"
              "\r\n<!-- Copy this HTML into the <HEAD> section of your HTML file -->\r\nH\r\n"
              "\r\n<!-- Copy this HTML into the <BODY> section of your HTML file -->\r\nB\r\n"
              "\r\n<!-- Copy this HTML into the <BODY> section of your HTML file -->\r\nC\r\n"
              "\r\n<!-- Copy this HTML into the <BODY> tag in your HTML file -->\r\n T\r\n");
}

} // namespace
} // namespace vorrel
