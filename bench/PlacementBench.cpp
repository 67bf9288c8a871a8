// SPDX-License-Identifier: MIT
// Where the hosts put the wizard's texts, on large pages: the 1.4 MB page with 40,000 comments
// (one placement must take 50 ms at most), pages of ordinary markup of 0.1, 1 and 10 MB, and
// pages of lazily loaded pictures with 100 to 1,600 noscript fallbacks, one of which hides the
// next from a parser that reads noscript content as markup; their times must grow with the size
// (or the number of noscripts) and no faster.

#include "editors/kit/Placement.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr std::size_t kMB = 1000 * 1000;

std::string head() {
    return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>Big</title>\n"
           "<script>var n = 0;</script>\n</head>\n<body bgcolor=\"#FFFFFF\" onload=\"init()\">\n";
}

// Comments between short paragraphs, `comments` of them over about `size` bytes.
std::string commentPage(std::size_t comments, std::size_t size) {
    std::string page = head();
    const std::size_t each = size / comments;
    for (std::size_t i = 0; i < comments; ++i) {
        const std::size_t start = page.size();
        page += "<!-- entry " + std::to_string(i) + " -->";
        page += "<p>";
        while (page.size() - start < each - 5)
            page += 'x';
        page += "</p>\n";
    }
    return page + "</body>\n</html>\n";
}

// Ordinary markup: headings, tables, links, pictures, forms, a script and a comment now and then.
std::string ordinaryPage(std::size_t size) {
    std::string page = head();
    for (std::size_t i = 0; page.size() < size; ++i) {
        const std::string n = std::to_string(i);
        page += "<h2 id=\"s" + n + "\">Section " + n + "</h2>\n<!-- section " + n +
                " -->\n"
                "<p class=\"text\">Some <b>bold</b> and <a href=\"page" +
                n +
                ".html\">a link"
                "</a> &amp; an <img src=\"pic" +
                n +
                ".gif\" alt=\"pic\" width=32 height=32>.</p>\n"
                "<table border=1><tr><td>" +
                n +
                "</td><td>caf\xc3\xa9</td></tr></table>\n"
                "<form name=\"f" +
                n +
                "\"><input type=\"text\" name=\"q\" value=\"a &lt; b\">"
                "</form>\n<script>if (n < " +
                n + ") { n++; }</script>\n";
    }
    return page + "</body>\n</html>\n";
}

void place(benchmark::State& state, const std::string& page, kit::Place where) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kit::placeText(page, where, " onload=\"start()\""));
    state.SetBytesProcessed(std::int64_t(state.iterations() * page.size()));
}

void BM_CommentPage(benchmark::State& state) {
    static const std::string page = commentPage(40000, 1400 * 1000);
    place(state, page, kit::Place(state.range(0)));
}
BENCHMARK(BM_CommentPage)
    ->ArgName("place")
    ->Arg(int(kit::Place::Head))
    ->Arg(int(kit::Place::Body))
    ->Arg(int(kit::Place::BodyTag))
    ->Unit(benchmark::kMillisecond);

// Text for the cursor without a marker in the page: the whole page is looked through.
void BM_CommentPageCursor(benchmark::State& state) {
    static const std::string page = commentPage(40000, 1400 * 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(kit::placeAtCursorMarker(page, "<b>x</b>", kit::Place::Body));
}
BENCHMARK(BM_CommentPageCursor)->Unit(benchmark::kMillisecond);

void BM_Growth(benchmark::State& state) {
    const std::string page = ordinaryPage(std::size_t(state.range(0)) * kMB / 10);
    place(state, page, kit::Place::Body);
}
BENCHMARK(BM_Growth)->ArgName("tenthsMB")->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// Pictures loaded by a script, each with its <noscript> fallback, as lazy loading writes them;
// the first fallback holds a comment that only a parser reading it as markup sees running on
// over the next one.
std::string noscriptPage(std::size_t noscripts) {
    std::string page = head() + "<noscript><!--</noscript><noscript>--></noscript>\n";
    for (std::size_t i = 0; i < noscripts; ++i) {
        const std::string n = std::to_string(i);
        page += "<div class=\"card\"><h3>Picture " + n +
                "</h3>\n<img class=\"lazy\" data-src=\"/pics/" + n +
                ".jpg\" alt=\"picture\"><noscript><img src=\"/pics/" + n +
                ".jpg\" alt=\"picture\"></noscript>\n<p>Some words about it, <a href=\"/p/" + n +
                "\">more</a>.</p></div>\n";
    }
    return page + "</body>\n</html>\n";
}

void BM_NoscriptGrowth(benchmark::State& state) {
    const std::string page = noscriptPage(std::size_t(state.range(0)));
    place(state, page, kit::Place::Head);
    state.counters["time_per_noscript"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}
BENCHMARK(BM_NoscriptGrowth)
    ->ArgName("noscripts")
    ->Arg(100)
    ->Arg(400)
    ->Arg(1600)
    ->Unit(benchmark::kMillisecond);

} // namespace
