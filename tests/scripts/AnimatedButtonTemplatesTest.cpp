// SPDX-License-Identifier: MIT
#include "scripts/AnimatedButtonTemplates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorrel {
namespace {

const AnimatedButton kHome{"/img/home.gif", "/img/home_on.gif", "Home", "index.htm"};
const AnimatedButton kNews{"/pics/news.gif", "/pics/news_on.gif", "It's \"new\" & <b>",
                           "news.htm?a=1&b='2'"};
const AnimatedButton kMail{"mail.gif", "/pics/mail_on.gif", "Post", "mailto:x@y"};

const char* const kScriptStart = "<SCRIPT language=\"JavaScript\">\r\n"
                                 "<!--\r\n"
                                 "var bn=navigator.appName;\r\n"
                                 "var vn=navigator.appVersion;\r\n";

const char* const kMenuFunctions = "// Animated menu stuff\r\n"
                                   "function off_img(loc,img){};\r\n"
                                   "function on_img(loc,img){};\r\n"
                                   "\r\n"
                                   "function gonow(p)\r\n"
                                   "{\r\n"
                                   "  location = addr[p];\r\n"
                                   "};\r\n"
                                   "\r\n";

const char* const kOnImg =
    "function on_img(loc,img)\r\n"
    "{\r\n"
    "  if ((bn!=\"Microsoft Internet Explorer\") || (vn.substring(0,3)!=\"2.0\"))\r\n"
    "    loc.src = menuimg[img].src;\r\n"
    "}\r\n"
    "\r\n"
    "// -->\r\n"
    "</SCRIPT>\r\n";

const char* const kAlert = "window.alert(\"This page would look cooler with Netscape 3.0+ \\n "
                           "( The buttons would be animated for starters!)\");";

TEST(AnimatedButtonsHead, TwoButtonsWithWarningForTheDocument) {
    const std::string expected =
        std::string(kScriptStart) + "\r\n" +
        "if ((bn==\"Microsoft Internet Explorer\") && (vn.substring(0,3)==\"2.0\"))\r\n" + kAlert +
        "\r\n\r\n" +
        "var p1=null;\r\n"
        "var p2=null;\r\n" +
        kMenuFunctions +
        "var addr = new Array(2);\r\n"
        "addr[1]=\"index.htm\";\r\n"
        "addr[2]=\"news.htm?a=1&b='2'\";\r\n"
        "menuimg = new Array(4);\r\n"
        "if ((bn!=\"Microsoft Internet Explorer\") || (vn.substring(0,3)!=\"2.0\"))\r\n"
        "{\r\n"
        "menuimg[1]= new Image (32,16);\r\n"
        "menuimg[1].src=\"home.gif\";\r\n"
        "menuimg[3]= new Image (32,16);\r\n"
        "menuimg[3].src=\"home_on.gif\";\r\n"
        "menuimg[2]= new Image (32,16);\r\n"
        "menuimg[2].src=\"news.gif\";\r\n"
        "menuimg[4]= new Image (32,16);\r\n"
        "menuimg[4].src=\"news_on.gif\";\r\n"
        "}\r\n"
        "\r\n" +
        kOnImg;
    EXPECT_EQ(animatedButtonsHead({kHome, kNews}, "32", "16", true), expected);
}

TEST(AnimatedButtonsHead, NoButtonsAndNoWarning) {
    const std::string expected =
        std::string(kScriptStart) + kMenuFunctions +
        "var addr = new Array(0);\r\n"
        "menuimg = new Array(0);\r\n"
        "if ((bn!=\"Microsoft Internet Explorer\") || (vn.substring(0,3)!=\"2.0\"))\r\n"
        "{\r\n"
        "}\r\n"
        "\r\n" +
        kOnImg;
    EXPECT_EQ(animatedButtonsHead({}, "20", "20", false), expected);
}

TEST(AnimatedButtonsHead, ThreeButtonsNumberHandlesAddressesAndImagesFromOne) {
    const auto head = animatedButtonsHead({kHome, kNews, kMail}, "20", "20", false);
    EXPECT_NE(head.find("var p1=null;\r\nvar p2=null;\r\nvar p3=null;\r\n// Animated"),
              std::string::npos);
    EXPECT_NE(head.find("var addr = new Array(3);\r\naddr[1]=\"index.htm\";\r\n"
                        "addr[2]=\"news.htm?a=1&b='2'\";\r\naddr[3]=\"mailto:x@y\";\r\n"
                        "menuimg = new Array(6);\r\n"),
              std::string::npos);
    EXPECT_NE(head.find("{\r\n"
                        "menuimg[1]= new Image (20,20);\r\nmenuimg[1].src=\"home.gif\";\r\n"
                        "menuimg[4]= new Image (20,20);\r\nmenuimg[4].src=\"home_on.gif\";\r\n"
                        "menuimg[2]= new Image (20,20);\r\nmenuimg[2].src=\"news.gif\";\r\n"
                        "menuimg[5]= new Image (20,20);\r\nmenuimg[5].src=\"news_on.gif\";\r\n"
                        "menuimg[3]= new Image (20,20);\r\nmenuimg[3].src=\"mail.gif\";\r\n"
                        "menuimg[6]= new Image (20,20);\r\nmenuimg[6].src=\"mail_on.gif\";\r\n"
                        "}\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(head.find("alert"), std::string::npos);
}

TEST(AnimatedButtonsHead, PageVariantPieces) {
    EXPECT_EQ(browserWarning(TemplateVariant::Page),
              "\r\nif ((bn==\"Microsoft Internet Explorer\") && (vn.substring(0,3)==\"3.0\"))\r\n" +
                  std::string(kAlert) + "\r\n\r\n");
    EXPECT_EQ(preloadOpening(1, TemplateVariant::Page),
              "menuimg = new Array(2);\r\n"
              "if (((bn!=\"Microsoft Internet Explorer\") || (vn.substring(0,3)!=\"3.0\")) && "
              "(vn.substring(0,3)!=\"2.0\"))\r\n{\r\n");
    EXPECT_EQ(preloadClosing(TemplateVariant::Page), "}\r\n");
    EXPECT_EQ(preloadClosing(TemplateVariant::Insertion), "}\r\n\r\n");
}

TEST(AnimatedButtonsHead, OpeningPiecesOneEachAsAPageWritesThem) {
    const std::vector<std::string> expected = {
        kScriptStart,
        "\r\nif ((bn==\"Microsoft Internet Explorer\") && (vn.substring(0,3)==\"3.0\"))\r\n" +
            std::string(kAlert) + "\r\n\r\n",
        "var p1=null;\r\n",
        kMenuFunctions,
        "var addr = new Array(1);\r\n",
        "addr[1]=\"mailto:x@y\";\r\n",
        "menuimg = new Array(2);\r\n"
        "if (((bn!=\"Microsoft Internet Explorer\") || (vn.substring(0,3)!=\"3.0\")) && "
        "(vn.substring(0,3)!=\"2.0\"))\r\n{\r\n",
        "menuimg[1]= new Image (9,8);\r\nmenuimg[1].src=\"mail.gif\";\r\n",
        "menuimg[2]= new Image (9,8);\r\nmenuimg[2].src=\"mail_on.gif\";\r\n",
    };
    EXPECT_EQ(animatedButtonsHeadOpeningPieces({kMail}, "9", "8", true, TemplateVariant::Page),
              expected);
    const auto withoutWarning =
        animatedButtonsHeadOpeningPieces({kMail}, "9", "8", false, TemplateVariant::Page);
    ASSERT_EQ(withoutWarning.size(), expected.size() - 1);
    EXPECT_EQ(withoutWarning[1], "var p1=null;\r\n");
}

TEST(AnimatedButtonsHead, SingleBuildersMatchTheirPieces) {
    EXPECT_EQ(buttonHandleDeclaration(12), "var p12=null;\r\n");
    EXPECT_EQ(addressTableOpening(3), "var addr = new Array(3);\r\n");
    EXPECT_EQ(addressEntry(10, "a\"b"), "addr[10]=\"a\"b\";\r\n");
    EXPECT_EQ(preloadEntry(7, "/x/y.gif", "1", "2"),
              "menuimg[7]= new Image (1,2);\r\nmenuimg[7].src=\"y.gif\";\r\n");
}

TEST(ButtonLink, SecondOfTwoWithQuotesInItsText) {
    EXPECT_EQ(buttonLink(2, 2, kNews, "32", "16"),
              "<a href=\"javascript:gonow(2)\" onMouseOver=\"on_img(p2,4);"
              "self.status='It's \"new\" & <b>';return true\"onMouseOut= \"on_img(p2,2);"
              "self.status='It's \"new\" & <b>';return true\">\r\n"
              "<img src=\"news.gif\" name=\"p2\" alt=\"It's \"new\" & <b>\" border=0 "
              "width=\"32\" height=\"16\"></a><br>\r\n");
}

TEST(ButtonLink, AllLinksInListOrder) {
    EXPECT_EQ(buttonLinks({}, "20", "20"), "");
    EXPECT_EQ(buttonLinks({kHome}, "20", "20"),
              "<a href=\"javascript:gonow(1)\" onMouseOver=\"on_img(p1,2);self.status='Home';"
              "return true\"onMouseOut= \"on_img(p1,1);self.status='Home';return true\">\r\n"
              "<img src=\"home.gif\" name=\"p1\" alt=\"Home\" border=0 width=\"20\" "
              "height=\"20\"></a><br>\r\n");
    const auto three = buttonLinks({kHome, kNews, kMail}, "20", "20");
    EXPECT_EQ(three, buttonLink(1, 3, kHome, "20", "20") + buttonLink(2, 3, kNews, "20", "20") +
                         buttonLink(3, 3, kMail, "20", "20"));
    EXPECT_NE(three.find("gonow(3)\" onMouseOver=\"on_img(p3,6);"), std::string::npos);
    EXPECT_NE(three.find("onMouseOut= \"on_img(p3,3);"), std::string::npos);
    EXPECT_NE(three.find("<img src=\"mail.gif\" name=\"p3\""), std::string::npos);
}

TEST(AnimatedButtonsHead, AppendingKeepsWhatTheTextHeld) {
    std::string text = "<h2>x</h2>\r\n";
    appendButtonLinks(text, {kMail}, "20", "20");
    EXPECT_EQ(text, "<h2>x</h2>\r\n" + buttonLinks({kMail}, "20", "20"));
    std::string head = "<!-- -->";
    appendAnimatedButtonsHead(head, {}, "1", "1", false, TemplateVariant::Page);
    EXPECT_EQ(head, "<!-- -->" + animatedButtonsHead({}, "1", "1", false, TemplateVariant::Page));
}

} // namespace
} // namespace vorrel
