// SPDX-License-Identifier: MIT
#include "editors/htmlhost/HtmlDocument.h"

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
    doc.putInBodyTag(" class=\"y\""); // rewrites class="x" as class="x y"
    doc.putAtCursor("B");
    EXPECT_NE(doc.bytes().find("class=\"x y\">\r\n<p>one</p>AB<p>two</p>"), std::string::npos)
        << doc.bytes();
}

TEST(HtmlDocument, WithoutMarkerCursorTextGoesBeforeBodyEndAndBodyTextStaysBehindIt) {
    HtmlDocument doc("<html><head></head><body><p>x</p></body></html>");
    doc.putAtCursor("<b>1</b>");
    doc.putInBody("<script>s1</script>");
    doc.putAtCursor("<b>2</b>");
    EXPECT_EQ(doc.bytes(),
              "<html><head></head><body><p>x</p><b>1</b><b>2</b><script>s1</script></body></html>");
}

TEST(HtmlDocument, FramesetPageRefusesBodyAndCursorTextAndStaysAsItWas) {
    const std::string frames = "<html><head></head><frameset><frame src=a></frameset></html>";
    HtmlDocument doc(frames);
    EXPECT_THROW(doc.putInBody("x"), DocumentError);
    EXPECT_THROW(doc.putInBodyTag(" onload=\"x()\""), DocumentError);
    try {
        doc.putAtCursor("x");
        ADD_FAILURE() << "cursor text went in: " << doc.bytes();
    } catch (const DocumentError& error) {
        EXPECT_NE(std::string(error.what()).find("frameset"), std::string::npos) << error.what();
    }
    EXPECT_EQ(doc.bytes(), frames);
    EXPECT_FALSE(doc.cursor());
}

} // namespace
} // namespace htmlhost
