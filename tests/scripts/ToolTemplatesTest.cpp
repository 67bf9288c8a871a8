// SPDX-License-Identifier: MIT
#include "scripts/ToolTemplates.h"
#include "scripts/SimpleToolPieces.h"

#include <gtest/gtest.h>

#include <string>

namespace vorrel {
namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}
bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}
bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

TEST(Headings, WrapTheCaptionUnchanged) {
    EXPECT_EQ(plainHeading("Clock"), "<h2>Clock</h2>");
    EXPECT_EQ(centeredHeading("Clock"), "<center><h2>Clock</h2>");
    EXPECT_EQ(plainHeading(""), "<h2></h2>");
    EXPECT_EQ(plainHeading("Tom's \"<b>Zeit</b>\" & Größe"),
              "<h2>Tom's \"<b>Zeit</b>\" & Größe</h2>");
}

TEST(Forms, ClockForm) {
    EXPECT_EQ(clockForm(), "<form name=\"ctmfm\" size=8>\r\n"
                           "<input type=\"text\" name=\"ctm\">\r\n"
                           "</form>");
}

TEST(Forms, TimerForm) {
    EXPECT_EQ(timerForm(),
              "<form name=\"ttmfm\">\r\n"
              "<input type=\"text\" name=\"ttm\"  size=8><br>\r\n"
              "<input type=\"button\" name=\"start\" value=\"Start\"  onClick=\"tstarttm()\">\r\n"
              "<input type=\"button\" name=\"stop\" value=\"Stop\"  onClick=\"tendtm()\">\r\n"
              "<input type=\"button\" name=\"reset\" value=\"Reset\"  onClick=\"treset()\">\r\n"
              "</form>\r\n");
}

TEST(Forms, SearchPadForm) {
    EXPECT_EQ(searchPadForm(),
              "<form>\r\n"
              "1. Enter search terms here:<BR>\r\n"
              "<input type=\"text\" name=\"terms\" value=\"\">\r\n"
              "<BR>\r\n"
              "2. Select your search engine:<BR>\r\n"
              "<select name=\"engine\">\r\n"
              "  <option value=\"Lycos\" >Lycos\r\n"
              "  <option value=\"WebCrawler\">WebCrawler\r\n"
              "  <option value=\"Excite\">Excite\r\n"
              "  <option value=\"infoSeek\">infoSeek\r\n"
              "  <option value=\"AltaVista\">AltaVista\r\n"
              "  <option value=\"HotBot\">HotBot\r\n"
              "  </select>\r\n"
              "<BR>\r\n"
              "<BR>\r\n"
              "<input type=\"button\" value=\"3. Search Now\" onClick=\"srchnow(this.form)\">\r\n"
              "</form>\r\n");
}

TEST(Forms, IspCostForm) {
    EXPECT_EQ(ispCostForm(),
              "<form name=\"ttmfm\">\r\n"
              "Cost per hour (no currency symbol):\r\n"
              "<input type=\"text\" name=\"tcph\" value=\"0.00\" size=\"8\"><br>\r\n"
              "Time: <input type=\"text\" name=\"ttm\" value=\"00:00:00\" size=\"8\">\r\n"
              "Cost:  <input type=\"text\" name=\"tcst\" value=\"0.00\" size=\"8\"><br>\r\n"
              "<input type=\"button\" value=\"Start\"  onClick=\"tstarttm()\">\r\n"
              "<input type=\"button\" value=\"Stop\"  onClick=\"tendtm()\">\r\n"
              "<input type=\"button\" value=\"Reset\"  onClick=\"treset()\">\r\n"
              "</form>\r\n");
}

TEST(BodyHooks, AttributesForTheDocumentTagsForAPage) {
    EXPECT_EQ(toolBodyAttributes(ScriptTool::Clock),
              " onload=\"cstarttm()\" onunload=\"cendtm()\"");
    EXPECT_EQ(toolBodyAttributes(ScriptTool::Timer),
              " onload=\"document.ttmfm.ttm.value = '00:00:00'\" onunload=\"tendtm()\"");
    EXPECT_EQ(toolBodyTag(ScriptTool::Clock),
              "</HEAD>\r\n<BODY  onload=\"cstarttm()\" onunload=\"cendtm()\">");
    EXPECT_EQ(toolBodyTag(ScriptTool::Timer), "</HEAD>\r\n<BODY onload=\"document.ttmfm.ttm.value "
                                              "= '00:00:00'\" onunload=\"tendtm()\">\r\n");
    for (auto tool :
         {ScriptTool::SearchPad, ScriptTool::AnimatedButtons, ScriptTool::IspCostCalculator,
          ScriptTool::PopupWindow, ScriptTool::JumpList}) {
        EXPECT_EQ(toolBodyAttributes(tool), "") << toolName(tool);
        EXPECT_EQ(toolBodyTag(tool), "</HEAD>\r\n<BODY>\r\n") << toolName(tool);
    }
}

TEST(HeadingAndForm, DocumentCentersOnlyTheTimer) {
    const auto v = TemplateVariant::Insertion;
    EXPECT_EQ(toolHeadingAndForm(ScriptTool::Clock, "It's", v),
              "<h2>It's</h2>\r\n<form name=\"ctmfm\" size=8>\r\n"
              "<input type=\"text\" name=\"ctm\">\r\n</form>");
    EXPECT_EQ(toolHeadingAndForm(ScriptTool::Timer, "T", v),
              "<center><h2>T</h2>\r\n" + std::string(timerForm()) + "</center>");
    EXPECT_EQ(toolHeadingAndForm(ScriptTool::SearchPad, "S", v),
              "<h2>S</h2>\r\n" + std::string(searchPadForm()));
    EXPECT_EQ(toolHeadingAndForm(ScriptTool::IspCostCalculator, "", v),
              "<h2></h2>\r\n" + std::string(ispCostForm()));
}

TEST(HeadingAndForm, PageCentersEveryTool) {
    const auto v = TemplateVariant::Page;
    EXPECT_EQ(toolHeadingAndForm(ScriptTool::Clock, "C", v),
              "<center><h2>C</h2>\r\n<form name=\"ctmfm\" size=8>\r\n"
              "<input type=\"text\" name=\"ctm\">\r\n</form></center>");
    EXPECT_EQ(toolHeadingAndForm(ScriptTool::Timer, "T", v),
              toolHeadingAndForm(ScriptTool::Timer, "T", TemplateVariant::Insertion));
    EXPECT_EQ(toolHeadingAndForm(ScriptTool::SearchPad, "S", v),
              "<center><h2>S</h2>\r\n" + std::string(searchPadForm()) + "</center>");
    EXPECT_EQ(toolHeadingAndForm(ScriptTool::IspCostCalculator, "I", v),
              "<center><h2>I</h2>\r\n" + std::string(ispCostForm()) + "</center>");
}

TEST(HeadingAndForm, ListToolsHaveNone) {
    for (auto tool : {ScriptTool::AnimatedButtons, ScriptTool::PopupWindow, ScriptTool::JumpList,
                      ScriptTool::None}) {
        EXPECT_EQ(toolHeadingAndForm(tool, "x", TemplateVariant::Page), "");
        EXPECT_EQ(toolScriptBlock(tool), "");
    }
}

TEST(ScriptBlocks, FramedAlikeAndEndedAsEachToolNeeds) {
    const std::string_view open = "<SCRIPT language=\"JavaScript\">\r\n<!--\r\n";
    EXPECT_EQ(toolScriptBlock(ScriptTool::Clock), clockScriptBlock());
    EXPECT_EQ(toolScriptBlock(ScriptTool::Timer), timerScriptBlock());
    EXPECT_EQ(toolScriptBlock(ScriptTool::SearchPad), searchPadScriptBlock());
    EXPECT_EQ(toolScriptBlock(ScriptTool::IspCostCalculator), ispCostScriptBlock());
    for (auto block :
         {clockScriptBlock(), timerScriptBlock(), searchPadScriptBlock(), ispCostScriptBlock()}) {
        EXPECT_TRUE(startsWith(block, open)) << block;
    }
    EXPECT_TRUE(endsWith(clockScriptBlock(), "\r\n// -->\r\n</SCRIPT>"));
    EXPECT_TRUE(endsWith(timerScriptBlock(), "\r\n\r\n// -->\r\n</SCRIPT>\r\n"));
    EXPECT_TRUE(endsWith(searchPadScriptBlock(), "\r\n// -->\r\n</SCRIPT>\r\n"));
    EXPECT_TRUE(endsWith(ispCostScriptBlock(), "\r\n// -->\r\n</SCRIPT>\r\n"));
    EXPECT_TRUE(contains(clockScriptBlock(), "\r\nvar  cnewdt;\r\n"));
}

TEST(ScriptBlocks, TimerGlobalsInOrder) {
    const std::string globals = "var ttmnow = 0;\r\nvar ths = \"0\";\r\nvar thn = 0;\r\n"
                                "var tms = \"0\";\r\nvar tmn = 0;\r\nvar tss = \"0\";\r\n"
                                "var tsn = 0;\r\n";
    EXPECT_TRUE(contains(timerScriptBlock(), globals));
    EXPECT_TRUE(contains(ispCostScriptBlock(), globals + "var tcn = 0;\r\nvar tcphn = 0;\r\n"));
}

} // namespace
} // namespace vorrel
