// SPDX-License-Identifier: MIT
#include "scripts/SeparatePageWriter.h"

#include "editors/protocol/HostProtocol.h"
#include "scripts/AnimatedButtonTemplates.h"
#include "scripts/JumpListTemplates.h"
#include "scripts/ToolTemplates.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vorrel {
namespace {

using test::EventLog;

const std::string kOpening = "<HTML>\r\n<HEAD>\r\n<TITLE>\r\n";
const std::string kClosing = "</BODY>\r\n</HTML>\r\n";
const std::string kPlainBody = "</HEAD>\r\n<BODY>\r\n\r\n";

class SeparatePageWriterTest : public ::testing::Test {
protected:
    EventLog log;
    test::RecordingPlatform platform{log};
    test::RecordingHost host{log};
    WizardState state;

    PageWriterServices services() { return {platform, platform, platform, platform, "/home/ann/"}; }

    void use(ScriptTool tool, std::string caption) {
        state.tool = tool;
        state.caption = std::move(caption);
        state.pageFileName = "page.htm";
    }

    // Writes with the host, whose document lives in /site/; returns the page's bytes.
    std::string writeWithHost() {
        host.answers["getworkdir"] = {"/site/"};
        WriteSeparatePage(state, &host, services());
        return platform.files.at("/site/" + state.pageFileName);
    }

    std::string writeWithoutHost(const std::string& picked = "/home/u/www") {
        platform.pickedFolder = picked;
        WriteSeparatePage(state, nullptr, services());
        return platform.files.at(picked + "/" + state.pageFileName);
    }
};

TEST_F(SeparatePageWriterTest, ClockPage) {
    use(ScriptTool::Clock, "My <Clock> & co");
    EXPECT_EQ(writeWithHost(),
              kOpening + "My <Clock> & co\r\n</TITLE>\r\n" + std::string(clockScriptBlock()) +
                  "\r\n</HEAD>\r\n<BODY  onload=\"cstarttm()\" onunload=\"cendtm()\">\r\n"
                  "<center><h2>My <Clock> & co</h2>\r\n" +
                  std::string(clockForm()) + "</center>\r\n" + kClosing);
}

TEST_F(SeparatePageWriterTest, TimerPageKeepsTheEmptyLinesOfItsOwnLineEnds) {
    use(ScriptTool::Timer, "Timer");
    EXPECT_EQ(writeWithHost(),
              kOpening + "Timer\r\n</TITLE>\r\n" + std::string(timerScriptBlock()) +
                  "\r\n</HEAD>\r\n<BODY onload=\"document.ttmfm.ttm.value = '00:00:00'\" "
                  "onunload=\"tendtm()\">\r\n\r\n<center><h2>Timer</h2>\r\n" +
                  std::string(timerForm()) + "</center>\r\n" + kClosing);
}

TEST_F(SeparatePageWriterTest, SearchPadAndCostCalculatorPagesHaveThePlainBodyTag) {
    use(ScriptTool::SearchPad, "Find");
    EXPECT_EQ(writeWithHost(), kOpening + "Find\r\n</TITLE>\r\n" +
                                   std::string(searchPadScriptBlock()) + "\r\n" + kPlainBody +
                                   "<center><h2>Find</h2>\r\n" + std::string(searchPadForm()) +
                                   "</center>\r\n" + kClosing);
    use(ScriptTool::IspCostCalculator, "Cost");
    EXPECT_EQ(writeWithHost(), kOpening + "Cost\r\n</TITLE>\r\n" +
                                   std::string(ispCostScriptBlock()) + "\r\n" + kPlainBody +
                                   "<center><h2>Cost</h2>\r\n" + std::string(ispCostForm()) +
                                   "</center>\r\n" + kClosing);
}

TEST_F(SeparatePageWriterTest, PopupWindowPageIsTheUsersLines) {
    use(ScriptTool::PopupWindow, "Popup Window");
    state.popupHtmlLines = {"<p>Hello</p>", "", "<b>Grüße</b>"};
    EXPECT_EQ(writeWithoutHost(), kOpening + "Popup Window\r\n</TITLE>\r\n" + kPlainBody +
                                      "<p>Hello</p>\r\n\r\n<b>Grüße</b>\r\n" + kClosing);
    state.popupHtmlLines.clear();
    EXPECT_EQ(writeWithoutHost(),
              kOpening + "Popup Window\r\n</TITLE>\r\n" + kPlainBody + kClosing);
}

const AnimatedButton kHome{"/img/home.gif", "/img/home_on.gif", "Home", "index.htm"};
const AnimatedButton kNews{"/pics/news.gif", "/pics/news_on.gif", "News", "news.htm"};

std::string animatedButtonsPage(const std::string& warning, const std::string& copyNote) {
    return kOpening + "Menu\r\n</TITLE>\r\n" + std::string(animatedButtonsScriptStart()) + "\r\n" +
           warning + "var p1=null;\r\n\r\nvar p2=null;\r\n\r\n" +
           std::string(menuFunctionsBlock()) +
           "\r\n"
           "var addr = new Array(2);\r\n\r\n"
           "addr[1]=\"index.htm\";\r\n\r\n"
           "addr[2]=\"news.htm\";\r\n\r\n"
           "menuimg = new Array(4);\r\n"
           "if (((bn!=\"Microsoft Internet Explorer\") || (vn.substring(0,3)!=\"3.0\")) && "
           "(vn.substring(0,3)!=\"2.0\"))\r\n{\r\n\r\n"
           "menuimg[1]= new Image (32,16);\r\nmenuimg[1].src=\"home.gif\";\r\n\r\n"
           "menuimg[3]= new Image (32,16);\r\nmenuimg[3].src=\"home_on.gif\";\r\n\r\n"
           "menuimg[2]= new Image (32,16);\r\nmenuimg[2].src=\"news.gif\";\r\n\r\n"
           "menuimg[4]= new Image (32,16);\r\nmenuimg[4].src=\"news_on.gif\";\r\n\r\n" +
           copyNote + "}\r\n\r\n" + std::string(onImgBlock()) + "\r\n" + kPlainBody +
           "<h2>Menu</h2>\r\n" +
           "<a href=\"javascript:gonow(1)\" onMouseOver=\"on_img(p1,3);self.status='Home';return "
           "true\"onMouseOut= \"on_img(p1,1);self.status='Home';return true\">\r\n"
           "<img src=\"home.gif\" name=\"p1\" alt=\"Home\" border=0 width=\"32\" "
           "height=\"16\"></a><br>\r\n\r\n"
           "<a href=\"javascript:gonow(2)\" onMouseOver=\"on_img(p2,4);self.status='News';return "
           "true\"onMouseOut= \"on_img(p2,2);self.status='News';return true\">\r\n"
           "<img src=\"news.gif\" name=\"p2\" alt=\"News\" border=0 width=\"32\" "
           "height=\"16\"></a><br>\r\n\r\n" +
           kClosing;
}

TEST_F(SeparatePageWriterTest, AnimatedButtonsPageWithHostHasTheImagesCopied) {
    use(ScriptTool::AnimatedButtons, "Menu");
    state.buttons = {kHome, kNews};
    state.imageWidth = "32";
    state.imageHeight = "16";
    EXPECT_EQ(writeWithHost(), animatedButtonsPage("", ""));
    EXPECT_EQ(log, (EventLog{"host getworkdir", "host getworkdir", "host getworkdir",
                             "create /site/page.htm", "minimize",
                             "host copyfiles [/img/home.gif;/img/home_on.gif;/pics/"
                             "news.gif;/pics/news_on.gif;]",
                             "restore", "commit /site/page.htm"}));
}

TEST_F(SeparatePageWriterTest, AnimatedButtonsPageWithoutHostNotesTheUploadInTheScript) {
    use(ScriptTool::AnimatedButtons, "Menu");
    state.buttons = {kHome, kNews};
    state.imageWidth = "32";
    state.imageHeight = "16";
    state.suggestBrowserChange = true;
    const std::string warning =
        "\r\nif ((bn==\"Microsoft Internet Explorer\") && (vn.substring(0,3)==\"3.0\"))\r\n"
        "window.alert(\"This page would look cooler with Netscape 3.0+ \\n ( The buttons would "
        "be animated for starters!)\");\r\n\r\n\r\n";
    EXPECT_EQ(writeWithoutHost(),
              animatedButtonsPage(warning, "// These files need to be uploaded\r\n"
                                           "// /img/home.gif;/img/home_on.gif;/pics/"
                                           "news.gif;/pics/news_on.gif;\r\n"));
    EXPECT_EQ(log, (EventLog{"pick folder from /home/ann/ titled Select save file location",
                             "create /home/u/www/page.htm", "minimize", "restore",
                             "commit /home/u/www/page.htm"}));
}

TEST_F(SeparatePageWriterTest, AnimatedButtonsPageWithNoButtons) {
    use(ScriptTool::AnimatedButtons, "Menu");
    const std::string page = writeWithoutHost();
    EXPECT_NE(page.find("var addr = new Array(0);\r\n\r\nmenuimg = new Array(0);\r\nif ((("),
              std::string::npos);
    EXPECT_NE(page.find("{\r\n\r\n// These files need to be uploaded\r\n// \r\n}\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("<h2>Menu</h2>\r\n</BODY>"), std::string::npos);
    EXPECT_EQ(page.find("var p1"), std::string::npos);
}

TEST_F(SeparatePageWriterTest, JumpListPageNotesTheUploadAfterTheForm) {
    use(ScriptTool::JumpList, "Go to");
    state.jumpImage = "/pics/go.gif";
    state.jumpImageText = "Go!";
    state.jumpTargets = {{"One", "one.htm"}, {"Two", "http://x/?a='1'"}};
    EXPECT_EQ(writeWithoutHost(),
              kOpening + "Go to\r\n</TITLE>\r\n" + std::string(jumpListScriptStart()) + "\r\n" +
                  "  if (jval==0)\r\n    {\r\n    loc='one.htm';\r\n   }\r\n\r\n"
                  "  if (jval==1)\r\n    {\r\n    loc='http://x/?a='1'';\r\n   }\r\n\r\n"
                  "  window.open(loc,'_top')\r\n  }\r\n// End JavaScript -->\r\n\r\n</SCRIPT>\r\n" +
                  kPlainBody +
                  "<h2>Go to</h2>\r\n<form name=\"joform\">\r\n<select name=\"jsel\" size=1>\r\n"
                  "<option selected  >One\r\n<option >Two\r\n"
                  "</select>\r\n<a href=\"javascript:jump()\"><IMG SRC=\"go.gif\" ALT=\"Go!\" "
                  "border=\"0\"></a>\r\n</form>\r\n\r\n"
                  "// These files need to be uploaded\r\n// /pics/go.gif;\r\n" +
                  kClosing);

    state.jumpTargets.clear();
    state.jumpImage.clear();
    log.clear();
    const std::string empty = writeWithHost();
    EXPECT_EQ(empty.find("if (jval"), std::string::npos);
    EXPECT_EQ(empty.find("<option"), std::string::npos);
    EXPECT_EQ(empty.find("uploaded"), std::string::npos);
    EXPECT_NE(std::find(log.begin(), log.end(), "host copyfiles [;]"), log.end());
}

TEST_F(SeparatePageWriterTest, UnsavedHostDocumentIsSavedUntilTheHostReportsAFolder) {
    use(ScriptTool::Clock, "Clock");
    host.answers["getworkdir"] = {wexdor4::kNoDocumentFolder, "", "", "/new/"};
    WriteSeparatePage(state, &host, services());
    EXPECT_EQ(log, (EventLog{"host getworkdir", "host opennewfile", "host getworkdir", "minimize",
                             "host forcesave", "restore", "host getworkdir", "minimize",
                             "host forcesave", "restore", "host getworkdir", "host getworkdir",
                             "create /new/page.htm", "commit /new/page.htm"}));
}

TEST_F(SeparatePageWriterTest, FolderChoiceWithoutHost) {
    use(ScriptTool::Clock, "Clock");
    state.pageFileName = "sub/Clo.htm";
    platform.pickedFolder = "/";
    WriteSeparatePage(state, nullptr, services());
    EXPECT_TRUE(platform.files.count("/sub/Clo.htm"));

    EXPECT_EQ(joinFolderAndName("/a/b", "c.htm"), "/a/b/c.htm");
    EXPECT_EQ(joinFolderAndName("/a/b/", "c.htm"), "/a/b/c.htm");
}

TEST_F(SeparatePageWriterTest, HostPathIsTheWorkingDirectoryFollowedByTheNameAsTyped) {
    use(ScriptTool::Clock, "Clock");
    state.pageFileName = "sub dir/Clo.htm";
    host.answers["getworkdir"] = {"/srv/site/"};
    WriteSeparatePage(state, &host, services());
    EXPECT_TRUE(platform.files.count("/srv/site/sub dir/Clo.htm"));
}

// A folder that is not a full path would put the page somewhere the user never chose.
TEST_F(SeparatePageWriterTest, AWorkingFolderThatIsNoFullPathWritesNothing) {
    use(ScriptTool::Clock, "Clock");
    for (const char* answer : {wexdor4::kNoDocumentFolder, "site/", "C:\\site\\"}) {
        host.answers["getworkdir"] = {"/srv/", "/srv/", answer};
        log.clear();
        try {
            WriteSeparatePage(state, &host, services());
            ADD_FAILURE() << answer;
        } catch (const HostError& error) {
            EXPECT_NE(std::string(error.what()).find(answer), std::string::npos) << error.what();
        }
        EXPECT_EQ(std::count_if(log.begin(), log.end(),
                                [](const std::string& line) { return line.starts_with("create"); }),
                  0);
    }
    EXPECT_TRUE(platform.files.empty());
}

TEST_F(SeparatePageWriterTest, AWriteThatFailsLeavesNoPage) {
    use(ScriptTool::AnimatedButtons, "Menu");
    state.buttons = {kHome};
    platform.failWriteWith = "Disk full";
    EXPECT_THROW(writeWithHost(), FileError);
    EXPECT_TRUE(platform.files.empty());
    EXPECT_EQ(log.back(), "restore");
}

} // namespace
} // namespace vorrel
