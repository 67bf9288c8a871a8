// SPDX-License-Identifier: MIT
#include "scripts/JumpListTemplates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorrel {
namespace {

const std::vector<JumpTarget> kThree = {
    {"Home", "index.htm"}, {"Tom's \"page\"", "tom.htm?a=1&b=2"}, {"Über <uns>", "/ueber.htm"}};

const char* const kScriptStart = "<SCRIPT language='JavaScript'>\r\n"
                                 "<!--\r\n"
                                 "function jump()\r\n"
                                 "  {\r\n"
                                 "  jval=document.joform.jsel.selectedIndex;\r\n"
                                 "\r\n";

const char* const kTail = "  window.open(loc,'_top')\r\n"
                          "  }\r\n"
                          "// End JavaScript -->\r\n"
                          "\r\n"
                          "</SCRIPT>";

TEST(JumpListHead, CasesCountFromZero) {
    EXPECT_EQ(jumpListHead(kThree),
              std::string(kScriptStart) +
                  "  if (jval==0)\r\n    {\r\n    loc='index.htm';\r\n   }\r\n"
                  "  if (jval==1)\r\n    {\r\n    loc='tom.htm?a=1&b=2';\r\n"
                  "   }\r\n"
                  "  if (jval==2)\r\n    {\r\n    loc='/ueber.htm';\r\n   }\r\n" +
                  kTail);
    EXPECT_EQ(jumpListHead({}), std::string(kScriptStart) + kTail);
    EXPECT_EQ(jumpListScriptStart(), kScriptStart);
    EXPECT_EQ(jumpListTail(), kTail);
    EXPECT_EQ(jumpCase(11, "it's"), "  if (jval==11)\r\n    {\r\n    loc='it's';\r\n   }\r\n");
}

TEST(JumpSelector, DocumentVariantWithThreeTargets) {
    EXPECT_EQ(
        jumpSelector("Go \"there\"", kThree, "/img/go.gif", "Go!", TemplateVariant::Insertion),
        "<h2>Go \"there\"</h2>\r\n"
        "<form name=\"joform\" size=1>\r\n"
        "<select name=\"jsel\">\r\n"
        "<option selected  >Home\r\n"
        "<option >Tom's \"page\"\r\n"
        "<option >Über <uns>\r\n"
        "</select>\r\n"
        "<a href=\"javascript:jump()\"><IMG SRC=\"go.gif\" ALT=\"Go!\" border=\"0\"></a>\r\n"
        "</form>\r\n");
}

TEST(JumpSelector, PageVariantMovesTheSizeToTheSelect) {
    EXPECT_EQ(jumpSelector("J", {{"Only", "x.htm"}}, "/pics/go.gif", "", TemplateVariant::Page),
              "<h2>J</h2>\r\n"
              "<form name=\"joform\">\r\n"
              "<select name=\"jsel\" size=1>\r\n"
              "<option selected  >Only\r\n"
              "</select>\r\n"
              "<a href=\"javascript:jump()\"><IMG SRC=\"go.gif\" ALT=\"\" border=\"0\"></a>\r\n"
              "</form>\r\n");
    EXPECT_EQ(jumpSelectorOpening("J", TemplateVariant::Page),
              "<h2>J</h2>\r\n<form name=\"joform\">\r\n<select name=\"jsel\" size=1>");
}

TEST(JumpSelector, NoTargetsGiveAnEmptySelect) {
    EXPECT_EQ(jumpSelector("", {}, "", "", TemplateVariant::Insertion),
              "<h2></h2>\r\n<form name=\"joform\" size=1>\r\n<select name=\"jsel\">\r\n"
              "</select>\r\n<a href=\"javascript:jump()\"><IMG SRC=\"\" ALT=\"\" "
              "border=\"0\"></a>\r\n</form>\r\n");
}

TEST(JumpSelector, TwoTargetsOnlyTheFirstSelected) {
    const auto selector =
        jumpSelector("J", {{"a", "1"}, {"b", "2"}}, "i.gif", "t", TemplateVariant::Insertion);
    EXPECT_NE(selector.find("\r\n<option selected  >a\r\n<option >b\r\n</select>"),
              std::string::npos);
    EXPECT_EQ(jumpOption(1, "b"), "<option >b");
}

} // namespace
} // namespace vorrel
