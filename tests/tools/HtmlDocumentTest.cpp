#include "tools/htmlhost/HtmlDocument.h"

#include <gtest/gtest.h>

namespace htmlhost {
namespace {

const std::string kPage = "<HTML>\r\n<Head><title>t</title></HEAD>\r\n<Body class=\"x\">\r\n"
                          "<p>one</p><!--cursor--><p>two</p>\r\n</BODY>\r\n</HTML>\r\n";

TEST(HtmlDocument, EachPutLandsInItsPlaceAndLeavesEveryOtherByte) {
    HtmlDocument doc(kPage);
    doc.putInHead("<script>h()</script>\r\n");
    doc.putInBodyTag(" onload=\"go()\"");
    doc.putInBody("<script>b()</script>");
    EXPECT_EQ(doc.bytes(), "<HTML>\r\n<Head><title>t</title><script>h()</script>\r\n</HEAD>\r\n"
                           "<Body class=\"x\" onload=\"go()\">\r\n"
                           "<p>one</p><!--cursor--><p>two</p>\r\n<script>b()</script></BODY>\r\n"
                           "</HTML>\r\n");
}

TEST(HtmlDocument, CursorTextReplacesTheMarkerAndFollowsOnFromItself) {
    HtmlDocument doc(kPage);
    doc.putAtCursor("A");
    doc.putAtCursor("B");
    EXPECT_EQ(doc.bytes(), "<HTML>\r\n<Head><title>t</title></HEAD>\r\n<Body class=\"x\">\r\n"
                           "<p>one</p>AB<p>two</p>\r\n</BODY>\r\n</HTML>\r\n");
    EXPECT_EQ(doc.cursor(), doc.bytes().find("AB") + 2);
}

TEST(HtmlDocument, CursorKeepsItsPlaceWhenTextGoesInBeforeIt) {
    HtmlDocument doc(kPage);
    doc.putAtCursor("A");
    doc.putInHead("HEAD");
    doc.putInBodyTag(" x=1");
    doc.putAtCursor("B");
    EXPECT_NE(doc.bytes().find("<p>one</p>AB<p>two</p>"), std::string::npos) << doc.bytes();
}

TEST(HtmlDocument, WithoutMarkerCursorTextGoesBeforeBodyEndAndBodyTextStaysBehindIt) {
    HtmlDocument doc("<html><head></head><body><p>x</p></body></html>");
    doc.putAtCursor("<b>1</b>");
    doc.putInBody("<script>s1</script>");
    doc.putAtCursor("<b>2</b>");
    EXPECT_EQ(doc.bytes(),
              "<html><head></head><body><p>x</p><b>1</b><b>2</b><script>s1</script></body></html>");
}

TEST(HtmlDocument, MissingPlaceIsAnErrorThatChangesNothing) {
    const std::string fragment = "<p>no head, no body</p>";
    HtmlDocument doc(fragment);
    EXPECT_THROW(doc.putInHead("x"), DocumentError);
    EXPECT_THROW(doc.putInBody("x"), DocumentError);
    EXPECT_THROW(doc.putInBodyTag("x"), DocumentError);
    EXPECT_THROW(doc.putAtCursor("x"), DocumentError);
    EXPECT_EQ(doc.bytes(), fragment);
    EXPECT_FALSE(doc.cursor());
    try {
        doc.putInHead("x");
    } catch (const DocumentError& error) {
        EXPECT_NE(std::string(error.what()).find("</head>"), std::string::npos);
    }
}

TEST(FileList, EveryPathEndsWithASemicolon) {
    using List = std::vector<std::string>;
    EXPECT_EQ(splitFileList("/a/b c.gif;/d/e.jpg;"), (List{"/a/b c.gif", "/d/e.jpg"}));
    EXPECT_EQ(splitFileList(""), List{});
    EXPECT_EQ(splitFileList(";;/x;;"), List{"/x"});
    EXPECT_EQ(splitFileList("/a;/last"), (List{"/a", "/last"}));
}

} // namespace
} // namespace htmlhost
