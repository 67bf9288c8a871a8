// SPDX-License-Identifier: MIT
#include "ConformanceTable.h"

// Rules that keep one table right for every host:
// - A document holds a "<!--cursor-->" exactly when its row puts text at the cursor: htmlhost
//   keeps the marker in the file until then, an editor's driver takes it out at once.
// - Texts use the line ends of the document they go into: an editor keeps one kind of line end
//   per document, htmlhost keeps every byte as it comes.

namespace vorrel::test {

namespace {

using Answer = ProtocolCall::Answer;

ProtocolCall put(const char* method, const char* text) {
    return {method, QString::fromUtf8(text), Answer::Done, {}};
}

ProtocolCall done(const char* method, const char* argument = "") {
    return {method, QString::fromUtf8(argument), Answer::Done, {}};
}

const char* const kPlainPage = "<html><head><title>p</title></head><body>\n</body></html>\n";

ProtocolCall asks(const char* method, const char* answer) {
    return {method, {}, Answer::Text, QString::fromUtf8(answer)};
}

ProtocolCall fails(const char* method, const char* text, const char* message) {
    return {method, QString::fromUtf8(text), Answer::Error, QString::fromUtf8(message)};
}

std::vector<ConformanceRow> rows() {
    return {
        {"cursor, and a head without its end tag",
         ConformanceRow::Start::File,
         "<!DOCTYPE html>\n<html>\n<head>\n<title>Clock</title>\n<body>\n<h1>Time</h1>\n"
         "<!--cursor-->\n<p>end</p>\n</body>\n</html>\n",
         {asks("WM_ISWEXDORRUNNING", "1"), asks("isopendoc", "true"), asks("getworkdir", "{dir}/"),
          put("puttextatcursor", "<form name=\"clock\"></form>"),
          put("puttextatcursor", "<p id=\"t\"></p>"),
          put("puttexthead", "<script>function go() {}</script>\n"),
          put("puttextinbody", " onload=\"go()\""), put("puttextbody", "<script>go();</script>\n")},
         "<!DOCTYPE html>\n<html>\n<head>\n<title>Clock</title>\n"
         "<script>function go() {}</script>\n<body onload=\"go()\">\n<h1>Time</h1>\n"
         "<form name=\"clock\"></form><p id=\"t\"></p>\n<p>end</p>\n"
         "<script>go();</script>\n</body>\n</html>\n"},

        {"tags inside noframes are text",
         ConformanceRow::Start::File,
         "<html><head><title>t</title>\n<noframes><body onload=\"x()\"></head></noframes>\n"
         "</head>\n<body>\n<noframes></body></noframes>\n</body>\n</html>\n",
         {put("puttexthead", "<script>h()</script>\n"), put("puttextinbody", " onload=\"b()\""),
          put("puttextbody", "<script>e()</script>\n")},
         "<html><head><title>t</title>\n<noframes><body onload=\"x()\"></head></noframes>\n"
         "<script>h()</script>\n</head>\n<body onload=\"b()\">\n<noframes></body></noframes>\n"
         "<script>e()</script>\n</body>\n</html>\n"},

        {"tags a script writes are script text",
         ConformanceRow::Start::File,
         "<html><head>\n<script><!--\ndocument.write(\"<script>var a;</script></head><body>\");\n"
         "--></script>\n</head>\n<body>\n</body>\n</html>\n",
         {put("puttexthead", "<script>h()</script>\n"), put("puttextinbody", " onload=\"b()\"")},
         "<html><head>\n<script><!--\ndocument.write(\"<script>var a;</script></head><body>\");\n"
         "--></script>\n<script>h()</script>\n</head>\n<body onload=\"b()\">\n</body>\n</html>\n"},

        {"a second onload and onunload join the first ones",
         ConformanceRow::Start::File,
         "<html><head><title>t</title></head>\n"
         "<BODY bgcolor=white ONLOAD='startClock();' onunload=\"stopClock()\">\n<p>x</p>\n"
         "</BODY></html>\n",
         {put("puttextinbody", " onload=\"startTimer()\" onunload=\"stopTimer()\" class=\"t\"")},
         "<html><head><title>t</title></head>\n"
         "<BODY bgcolor=white ONLOAD='startClock();startTimer()' "
         "onunload=\"stopClock();stopTimer()\" class=\"t\">\n<p>x</p>\n</BODY></html>\n"},

        {"CRLF line ends stay",
         ConformanceRow::Start::File,
         "<HTML>\r\n<HEAD>\r\n<TITLE>t</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<P>x</P>\r\n"
         "<!--cursor-->\r\n</BODY>\r\n</HTML>\r\n",
         {put("puttextatcursor", "<FORM>\r\n<INPUT name=\"a\">\r\n</FORM>"),
          put("puttexthead", "<SCRIPT>\r\nvar t;\r\n</SCRIPT>\r\n"),
          put("puttextbody", "<SCRIPT>start();</SCRIPT>\r\n")},
         "<HTML>\r\n<HEAD>\r\n<TITLE>t</TITLE>\r\n<SCRIPT>\r\nvar t;\r\n</SCRIPT>\r\n</HEAD>\r\n"
         "<BODY>\r\n<P>x</P>\r\n<FORM>\r\n<INPUT name=\"a\">\r\n</FORM>\r\n"
         "<SCRIPT>start();</SCRIPT>\r\n</BODY>\r\n</HTML>\r\n"},

        {"UTF-8 text and a cursor after it on its line",
         ConformanceRow::Start::File,
         "<html><head><title>Caf\xc3\xa9</title></head><body>\n"
         "<p>\xc3\x9c"
         "ber 5 \xe2\x82\xac \xf0\x9f\x95\x92 <!--cursor--></p>\n</body></html>\n",
         {put("puttextatcursor", "<b>Zeit: 12 \xe2\x82\xac \xc2\xbd</b>"),
          put("puttexthead", "<script>var s = \"\xc3\xbc\";</script>")},
         "<html><head><title>Caf\xc3\xa9</title><script>var s = \"\xc3\xbc\";</script></head>"
         "<body>\n<p>\xc3\x9c"
         "ber 5 \xe2\x82\xac \xf0\x9f\x95\x92 <b>Zeit: 12 \xe2\x82\xac "
         "\xc2\xbd</b></p>\n</body></html>\n"},

        {"a frameset page has no body",
         ConformanceRow::Start::File,
         "<html><head><title>f</title></head>\n<frameset cols=\"50%,50%\">\n"
         "<frame src=\"a.html\"><frame src=\"b.html\">\n</frameset>\n</html>\n",
         {fails("puttextinbody", " onload=\"go()\"", "frameset"),
          fails("puttextbody", "<script>go()</script>", "frameset"),
          put("puttexthead", "<script>h()</script>")},
         "<html><head><title>f</title><script>h()</script></head>\n<frameset cols=\"50%,50%\">\n"
         "<frame src=\"a.html\"><frame src=\"b.html\">\n</frameset>\n</html>\n"},

        {"untitled document saved where the host is told",
         ConformanceRow::Start::NoDocument,
         {},
         {done("opennewfile"), asks("isopendoc", "true"), asks("getworkdir", ""),
          put("puttexthead", "<script>h()</script>\n"), put("puttextbody", "<p>new</p>\n"),
          done("forcesave"), asks("getworkdir", "{dir}/")},
         "<script>h()</script>\n<body><p>new</p>\n",
         true,
         "<html>\n<head>\n<title>Untitled</title>\n<script>h()</script>\n</head>\n<body>\n"
         "<p>new</p>\n</body>\n</html>\n"},

        {"no document open",
         ConformanceRow::Start::NoDocument,
         {},
         {asks("WM_ISWEXDORRUNNING", "1"), asks("isopendoc", "false"), asks("getworkdir", "1error"),
          fails("puttexthead", "<script></script>", "no document"),
          fails("puttextatcursor", "<p></p>", "no document"),
          fails("forcesave", "", "no document")},
         {}},

        // Copies, with the pictures in a folder of their own beside the page.
        {"a different picture of the same name is replaced only when the user says yes",
         ConformanceRow::Start::File,
         kPlainPage,
         {done("copyfiles", "{dir}/pictures/a.gif;{dir}/pictures/b.gif;")},
         {},
         false,
         {},
         {{"pictures/a.gif", "GIF89a new"}, {"pictures/b.gif", "GIF89a b"}, {"a.gif", "mine"}},
         {{"a.gif", "GIF89a new"}, {"b.gif", "GIF89a b"}},
         HostStart::Consent::Yes},

        {"a different picture of the same name stays when the user says no",
         ConformanceRow::Start::File,
         kPlainPage,
         {fails("copyfiles", "{dir}/pictures/a.gif;{dir}/pictures/b.gif;", "a.gif was not copied")},
         {},
         false,
         {},
         {{"pictures/a.gif", "GIF89a new"}, {"pictures/b.gif", "GIF89a b"}, {"a.gif", "mine"}},
         {{"a.gif", "mine"}, {"b.gif", "GIF89a b"}},
         HostStart::Consent::No},

        {"the same picture, or the picture itself, is left as it is without a question",
         ConformanceRow::Start::File,
         kPlainPage,
         {done("copyfiles", "{dir}/a.gif;{dir}/pictures/b.gif;")},
         {},
         false,
         {},
         {{"a.gif", "GIF89a a"}, {"pictures/b.gif", "GIF89a b"}, {"b.gif", "GIF89a b"}},
         {{"a.gif", "GIF89a a"}, {"b.gif", "GIF89a b"}},
         HostStart::Consent::No},

        {"a FIFO of the picture's name is refused, and nothing is copied",
         ConformanceRow::Start::File,
         kPlainPage,
         {fails("copyfiles", "{dir}/pictures/b.gif;{dir}/pictures/a.gif;", "{dir}/a.gif")},
         {},
         false,
         {},
         {{"pictures/a.gif", "GIF89a a"}, {"pictures/b.gif", "GIF89a b"}, {"a.gif", {}}},
         {{"b.gif", {}}},
         HostStart::Consent::Yes},
    };
}

} // namespace

const std::vector<ConformanceRow>& conformanceTable() {
    static const std::vector<ConformanceRow> table = rows();
    return table;
}

} // namespace vorrel::test
