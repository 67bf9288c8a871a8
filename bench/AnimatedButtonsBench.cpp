// SPDX-License-Identifier: MIT
// How long the Animated Buttons texts take to build as the button list grows: the head script
// and every button link, the two texts an insertion places for this tool.

#include "scripts/AnimatedButtonTemplates.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<vorrel::AnimatedButton> makeButtons(std::size_t count) {
    std::vector<vorrel::AnimatedButton> buttons;
    buttons.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto n = std::to_string(i);
        buttons.push_back({"C:\\Site\\images\\button" + n + ".gif",
                           "/home/ann/site/images/button" + n + "_over.gif", "Section " + n,
                           "http://example.org/section" + n + ".htm"});
    }
    return buttons;
}

// As an insertion builds them: two new texts each time.
void animatedButtonsHeadAndLinks(benchmark::State& state) {
    const auto buttons = makeButtons(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto head = vorrel::animatedButtonsHead(buttons, "88", "31", true);
        auto links = vorrel::buttonLinks(buttons, "88", "31");
        bytes = head.size() + links.size();
        benchmark::DoNotOptimize(head.data());
        benchmark::DoNotOptimize(links.data());
        benchmark::ClobberMemory();
    }
    state.SetComplexityN(state.range(0));
    state.counters["bytes"] = static_cast<double>(bytes);
}

// The builders' own work: the same texts appended into texts that already have the room.
void animatedButtonsHeadAndLinksIntoHeldText(benchmark::State& state) {
    const auto buttons = makeButtons(static_cast<std::size_t>(state.range(0)));
    std::string head;
    std::string links;
    for (auto _ : state) {
        head.clear();
        links.clear();
        vorrel::appendAnimatedButtonsHead(head, buttons, "88", "31", true);
        vorrel::appendButtonLinks(links, buttons, "88", "31");
        benchmark::DoNotOptimize(head.data());
        benchmark::DoNotOptimize(links.data());
        benchmark::ClobberMemory();
    }
    state.SetComplexityN(state.range(0));
}

// The floor under the first case: two new texts of the same sizes, filled without any building,
// to tell the builders' time from the allocator's and the memory's.
void freshTextsOfTheSameSize(benchmark::State& state) {
    const auto buttons = makeButtons(static_cast<std::size_t>(state.range(0)));
    const auto headSize = vorrel::animatedButtonsHead(buttons, "88", "31", true).size();
    const auto linksSize = vorrel::buttonLinks(buttons, "88", "31").size();
    for (auto _ : state) {
        std::string head(headSize, 'h');
        std::string links(linksSize, 'l');
        benchmark::DoNotOptimize(head.data());
        benchmark::DoNotOptimize(links.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(animatedButtonsHeadAndLinks)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK(animatedButtonsHeadAndLinksIntoHeldText)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK(freshTextsOfTheSameSize)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
