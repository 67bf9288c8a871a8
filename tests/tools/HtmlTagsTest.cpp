#include "tools/htmlhost/HtmlTags.h"

#include <gtest/gtest.h>

#include <string>

namespace htmlhost {
namespace {

// The text a span covers, or "(none)".
std::string at(std::string_view html, std::optional<Span> span) {
    return span ? std::string(html.substr(span->begin, span->end - span->begin)) : "(none)";
}

TEST(HtmlTags, NamesCompareWithoutCaseAndMustMatchWhole) {
    const std::string html = "<TBODY></TBODY><Bodyx></Bodyx><BoDy\tonload=go()></BODY >";
    EXPECT_EQ(at(html, findStartTag(html, "body")), "<BoDy\tonload=go()>");
    EXPECT_EQ(at(html, findEndTag(html, "body")), "</BODY >");
    EXPECT_EQ(at(html, findEndTag(html, "head")), "(none)");
}

TEST(HtmlTags, QuotedAttributeValuesMayHoldAngleBrackets) {
    const std::string html = "<body title='a>b' onload=\"if (x > 1) y()\" class=it's>";
    EXPECT_EQ(at(html, findStartTag(html, "body")), html);
}

TEST(HtmlTags, CommentsScriptsAndOtherRawTextAreNotMarkup) {
    const std::string html = "<!-- </head> --><title></head></title>"
                             "<script>document.write(\"</head><body>\")</SCRIPT>"
                             "<style>p::after{content:'</head>'}</style>"
                             "<p>a < b</p></head><body>";
    EXPECT_EQ(findEndTag(html, "head")->begin, html.rfind("</head>"));
    EXPECT_EQ(findStartTag(html, "body")->begin, html.size() - 6);
}

// In each page the real tags are written in capitals, and any in lower case lie inside comments.
TEST(HtmlTags, CommentsEndWhereBrowsersEndThem) {
    const char* const pages[] = {
        "<head><!--></HEAD><!--><BODY>",
        "<head><!---></HEAD><!---><BODY>",
        "<head><!----></HEAD><!----><BODY>",
        "<head><!-- </head> --></HEAD><!-- <body> --><BODY>",
        "<head><!-- </head> --!></HEAD><!-- <body> --!><BODY>",
        "<head><!--!></head>--></HEAD><!-- <body> -- ><body> --><BODY>",
    };
    for (const std::string html : pages) {
        SCOPED_TRACE(html);
        EXPECT_EQ(findEndTag(html, "head").value_or(Span{}).begin, html.find("</HEAD>"));
        EXPECT_EQ(findStartTag(html, "body").value_or(Span{}).begin, html.find("<BODY>"));
    }
}

TEST(HtmlTags, UnclosedCommentOrTagHidesEverythingAfterIt) {
    EXPECT_FALSE(findEndTag("<!-- never closed </body>", "body"));
    EXPECT_FALSE(findEndTag("<p title=\"open></body>", "body"));
    EXPECT_FALSE(findEndTag("<script>x</body>", "body"));
}

TEST(HtmlTags, CommentIsFoundByItsWholeText) {
    const std::string html = "<!--cursor here--><!-- cursor --><!--CURSOR--><!--cursor-->";
    EXPECT_EQ(findComment(html, "cursor"), (Span{33, 46}));
}

} // namespace
} // namespace htmlhost
