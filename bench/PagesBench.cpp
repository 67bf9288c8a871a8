// The Animated Buttons page with a long list: adding one more button (the four edits filled and
// Add pressed) and reading the wizard's values off the windows, as Finished does. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/pages_bench

#include "pages/Top2fm.h"
#include "support/WizardDriver.h"

#include <benchmark/benchmark.h>

namespace {

using vorrel::test::WizardDriver;

// A wizard whose button list already holds `count` entries, on the button page.
void fillButtons(WizardDriver& d, int count) {
    d.start();
    d.pickTool("Animated Buttons");
    d.press("ToolPickerForm/BitBtn1");
    for (int i = 0; i < count; ++i) {
        d.type("op2fm/Edit1", "a.gif");
        d.type("op2fm/Edit2", "b.gif");
        d.type("op2fm/Edit3", QString("Button %1").arg(i));
        d.type("op2fm/Edit4", "a.html");
        d.control<QAbstractButton>("op2fm/SpeedButton2")->click();
    }
}

void AddOneMoreButton(benchmark::State& state) {
    WizardDriver d;
    fillButtons(d, int(state.range(0)));
    auto* add = d.control<QAbstractButton>("op2fm/SpeedButton2");
    for (auto _ : state) {
        d.type("op2fm/Edit1", "a.gif");
        d.type("op2fm/Edit2", "b.gif");
        d.type("op2fm/Edit3", "one more");
        d.type("op2fm/Edit4", "a.html");
        add->click();
    }
    state.counters["entries at the end"] = double(d.lines("op2fm/ListBox1").size());
}
BENCHMARK(AddOneMoreButton)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

void ReadCurrentState(benchmark::State& state) {
    WizardDriver d;
    fillButtons(d, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(d.wizard->currentState());
}
BENCHMARK(ReadCurrentState)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
