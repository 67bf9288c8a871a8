// SPDX-License-Identifier: MIT
// Where the kit puts each text, checked against what an HTML5 browser with scripting on builds.

#include "editors/kit/Placement.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

struct Row {
    const char* name;
    std::string_view document;
    Place place;
    std::string_view text;
    std::string_view expected; // the document after the edit; for an error, part of its message
    bool error = false;
};

constexpr Place kHead = Place::Head;
constexpr Place kBody = Place::Body;
constexpr Place kTag = Place::BodyTag;

// Each noscript's comment hides the next one from a parser that reads noscript content as
// markup, so that only one more is found with each parse.
std::string chainedNoscripts(int count) {
    std::string page = "<body>";
    for (int i = 0; i < count; ++i)
        page += "<noscript><!--</noscript>";
    return page + "<p>x</p>";
}
const std::string kChain3 = chainedNoscripts(3);
const std::string kChain20 = chainedNoscripts(20);

const Row kRows[] = {
    {"head end tag in capitals", "<HTML><Head><title>t</title></HEAD><body></body>", kHead, "H",
     "<HTML><Head><title>t</title>H</HEAD><body></body>"},
    {"head ends where the body content begins", "<title>t</title>\n<p>x", kHead, "H",
     "<title>t</title>\nH<p>x"},
    {"noscript pixel leaves the head open (scripting on)",
     "<head><noscript><img src=p.gif></noscript><title>t</title></head><body>", kHead, "H",
     "<head><noscript><img src=p.gif></noscript><title>t</title>H</head><body>"},
    {"byte-order mark is no text", "\xEF\xBB\xBF<head><title>t</title></head>", kHead, "H",
     "\xEF\xBB\xBF<head><title>t</title>H</head>"},
    {"unfinished title at the end is closed as the end of the page closes it", "<head><title>t",
     kHead, "H", "<head><title>t</title>H"},
    {"unfinished template in the head", "<head><template><p>x", kHead, "H",
     "<head><template><p>x</p></template>H"},
    {"a script left open at the end never runs: no place for the text", "<head><script>var a",
     kHead, "H", "never closed", true},
    {"\"</ \" starts a comment", "<head></ head><title>t</title></head>", kHead, "H",
     "<head></ head><title>t</title>H</head>"},
    {"body tags inside iframe and noembed are text",
     "<body><iframe></body></iframe><noembed></body></noembed><p>x</p></body>", kBody, "B",
     "<body><iframe></body></iframe><noembed></body></noembed><p>x</p>B</body>"},
    {"odd attribute names and values end their tags where a browser does",
     "<body><p =\">Hi<p title=\"</body>\"><p a=b=\"c></body>d\">", kBody, "B",
     "<body><p =\">Hi<p title=\"</body>\"><p a=b=\"c>B</body>d\">"},
    {"body without end tag ends before </html>", "<body><p>x</html>\n<!--c-->\n", kBody, "B",
     "<body><p>xB</html>\n<!--c-->\n"},
    {"nothing ends a plaintext", "<body><p>x</p><plaintext></body>", kBody, "B", "<plaintext>",
     true},
    {"a </body> inside SVG leaves the SVG open", "<body><p>x</p><svg><circle/></body></html>",
     kBody, "B", "<body><p>x</p><svg><circle/></svg>B</body></html>"},
    {"a </body> inside SVG with the body going on after it",
     "<body><svg><script>var s = \"</body>\";</script></svg><p>last</p>", kBody, "B",
     "<body><svg><script>var s = \"</body>\";</script></svg><p>last</p>B"},
    {"foreign content around HTML around foreign content, open at the end",
     "<body><svg><foreignObject><div>x<math><mi>y", kBody, "B",
     "<body><svg><foreignObject><div>x<math><mi>y</mi></math></div></foreignobject></svg>B"},
    {"a </body> that an unclosed table drops", "<body><table><tr><td>cell</td></tr></body></html>",
     kBody, "<p>B</p>",
     "<body><table><tr><td>cell</td></tr></tbody></table><p>B</p></body></html>"},
    {"a table and a select open at the end", "<body><table><tr><td><select><option>a", kBody, "B",
     "<body><table><tr><td><select><option>a</option></select></td></tr></tbody></table>B"},
    {"a template open at the end", "<body><template><p>x</body></html>", kBody, "B",
     "<body><template><p>x</p></template>B</body></html>"},
    {"an empty body that begins after the text gets its start tag first",
     "<html><head></head></html>", kBody, "<script>s()</script>",
     "<html><head></head><body><script>s()</script></html>"},
    {"unfinished comments at the end", "<body><p>x</p><!-- </body>", kBody, "B",
     "<body><p>x</p><!-- </body>-->B"},
    {"unfinished bogus comment at the end", "<body><p>x</p><!x </body", kBody, "B",
     "<body><p>x</p><!x </body>B"},
    {"frameset page", "<html><head></head><frameset></frameset></html>", kBody, "B", "frameset",
     true},
    {"body tag: before \"/>\", not before a \"/\" of an unquoted value", "<body/><body a=b/>", kTag,
     " id=\"i\"", "<body id=\"i\"/><body a=b/>"},
    {"body tag: unquoted value ending in \"/\"", "<body a=b/>", kTag, " id=\"i\"",
     "<body a=b/ id=\"i\">"},
    {"body tag: a=b=\"c>d\" ends the tag at the first \">\"", "<body a=b=\"c>d\" onload=x>", kTag,
     " onload=\"y()\"", "<body a=b=\"c onload=\"y()\">d\" onload=x>"},
    {"a body tag inside noscript is text (scripting on), also where only a second look finds "
     "the noscript",
     "<body><noscript><script></noscript><noscript><body onload=\"x()\"></noscript>", kTag,
     " onload=\"y()\"",
     "<body onload=\"y()\"><noscript><script></noscript><noscript><body onload=\"x()\">"
     "</noscript>"},
    {"a noscript that a comment in another one hides, and one that only a parse reading it as "
     "markup sees",
     "<body><noscript><!--</noscript><noscript>--></noscript><noscript><p title=\"</noscript>"
     "<!--\">x</noscript><noscript>--></noscript></body><p>y</p>",
     kBody, "B",
     "<body><noscript><!--</noscript><noscript>--></noscript><noscript><p title=\"</noscript>"
     "<!--\">x</noscript><noscript>--></noscript>B</body><p>y</p>"},
    {"noscripts that each hide the next", kChain3, kBody, "B",
     "<body><noscript><!--</noscript><noscript><!--</noscript><noscript><!--</noscript><p>x</p>B"},
    {"noscripts that hide one another too deeply to follow", kChain20, kBody, "B", "noscript",
     true},
    {"body tag written where the body begins", "<title>t</title>\n<p>x", kTag, " onload=\"go()\"",
     "<title>t</title>\n<body onload=\"go()\"><p>x"},
    {"second onload joins the first", "<body onload=\"a()\" class=c>", kTag,
     " onload=\"b()\" onunload=\"c()\"", "<body onload=\"a();b()\" class=c onunload=\"c()\">"},
    {"unquoted value, letter case, quotes of the other kind", "<BODY ONLOAD=a()>", kTag,
     " onload='b(\"x\")'", "<BODY ONLOAD=\"a();b(&quot;x&quot;)\">"},
    {"value ending in \";\" or blank, and no value at all",
     "<body onload='a(); ' onunload=\" \" onfocus>", kTag,
     " onload=\"b()\" onunload=\"c()\" onfocus=\"d()\"",
     "<body onload='a(); b()' onunload=\"c()\" onfocus=\"d()\">"},
    {"class names join with a blank; other attributes keep the page's value",
     "<body class=a bgcolor=white>", kTag, " class=\"b\" bgcolor=\"black\"",
     "<body class=\"a b\" bgcolor=white bgcolor=\"black\">"},
    {"a line comment does not swallow the next script", "<body onload=\"a() // go\">", kTag,
     " onload=\"b()\"", "<body onload=\"a() // go\nb()\">"},
    {"onload of a later body tag is joined where it is written", "<body><p>x<body onload=\"a()\">",
     kTag, " onload=\"b()\" id=\"i\"", "<body id=\"i\"><p>x<body onload=\"a();b()\">"},

    // A last attribute written as "name=" takes whatever follows for its value.
    {"body tag: an empty value at the tag's end is written out", "<body class=>", kTag,
     " onload=\"cstarttm()\"", "<body class=\"\" onload=\"cstarttm()\">"},
    {"body tag: an empty value with a blank after it", "<body class= >", kTag, " onload=\"go()\"",
     "<body class=\"\"  onload=\"go()\">"},
    {"body tag: an empty onload takes the new one, the rest goes after it", "<body onload=>", kTag,
     " class=\"c\" onload=\"b()\"", "<body onload=\"b()\" class=\"c\">"},
    {"body tag: a text without a blank in front does not run on from the value", "<body a=b>", kTag,
     "onload=\"c()\"", "<body a=b onload=\"c()\">"},
    {"body tag written for a text without a blank in front", "<p>x", kTag, "onload=\"c()\"",
     "<body onload=\"c()\"><p>x"},

    // A merged value reads as the page's value followed by the new one.
    {"body tag: an unquoted value that begins with a reference", "<body class=&amp;x>", kTag,
     " class=\"vorrel-probe\"", "<body class=\"&amp;x vorrel-probe\">"},
    {"body tag: a reference that the join would lengthen is written out",
     "<body onload=\"f()&#x3B\">", kTag, " onload=\"b()\"", "<body onload=\"f();b()\">"},
    {"body tag: a literal \"&notin\" does not become a reference", "<body onload=\"a&notin\">",
     kTag, " onload=\"b()\"", "<body onload=\"a&amp;notin;b()\">"},

    // Of two attributes with one name, a browser keeps the first.
    {"body tag: a repeated attribute without a value before the handler",
     "<body hidden hidden onload=\"init()\">", kTag, " onload=\"b()\"",
     "<body hidden hidden onload=\"init();b()\">"},
    {"body tag: the first of two class attributes takes the name", "<body class=a CLASS=b>", kTag,
     " class=\"c\"", "<body class=\"a c\" CLASS=b>"},

    // The merged handler runs both scripts.
    {"body tag: a handler that returns runs the new script in its finally block",
     "<body onload=\"init(); return false;\">", kTag, " onload=\"b()\"",
     "<body onload=\"try{init(); return false;\n}finally{b()\n}\">"},
    {"body tag: \"<!--\" and a \"-->\" that begins its line comment the rest of the line out",
     "<body onload=\"init() <!-- legacy\" onunload='a()\n--> old'>", kTag,
     " onload=\"b()\" onunload=\"c()\"",
     "<body onload=\"init() <!-- legacy\nb()\" onunload='a()\n--> old\nc()'>"},
    {"body tag: a block comment left open is closed", "<body onload=\"init() /* old\">", kTag,
     " onload=\"b()\"", "<body onload=\"init() /* old*/;b()\">"},
    {"body tag: a handler that is unfinished script", "<body onload=\"init('x\">", kTag,
     " onload=\"b()\"", "unfinished script", true},
    {"body tag: a handler that is only a quote", "<body onload=&quot>", kTag, " onload=\"b()\"",
     "unfinished script", true},
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class Placement : public testing::TestWithParam<Row> {};

TEST_P(Placement, PutsTextWhereABrowserSeesIt) {
    const Row& row = GetParam();
    std::string document(row.document);
    try {
        const Edit edit = placeText(document, row.place, row.text);
        ASSERT_LE(edit.offset + edit.removed, document.size());
        document.replace(edit.offset, edit.removed, edit.inserted);
        EXPECT_FALSE(row.error) << "no error, but: " << document;
        EXPECT_EQ(document, row.expected);
    } catch (const PlacementError& error) {
        EXPECT_TRUE(row.error) << error.what();
        EXPECT_NE(std::string(error.what()).find(row.expected), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Placement, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& info) {
                             return "row" + std::to_string(info.index);
                         });

TEST(CursorMarker, OnlyARealCommentCounts) {
    const std::string_view page =
        "<script>s = \"<!--cursor-->\";</script><p title=\"<!--cursor-->\">"
        "<!--Cursor--></p>";
    EXPECT_EQ(placeAtCursorMarker(page, "T", Place::Body),
              (Edit{page.find("<!--Cursor-->"), 13, "T"}));
    const std::string_view none = "<!-- cursor --><textarea><!--cursor--></textarea>";
    EXPECT_EQ(placeAtCursorMarker(none, "T", Place::Body), (Edit{none.size(), 0, "T"}));
}

TEST(FileList, EveryPathEndsWithASemicolon) {
    using List = std::vector<std::string>;
    EXPECT_EQ(splitFileList("/a/b c.gif;/d/e.jpg;"), (List{"/a/b c.gif", "/d/e.jpg"}));
    EXPECT_EQ(splitFileList(";;/x;;"), List{"/x"});
    EXPECT_EQ(splitFileList("/a;/last"), (List{"/a", "/last"}));
}

} // namespace
} // namespace kit
