// SPDX-License-Identifier: MIT
// A whole Animated Buttons insertion without a host, as the generator runs it: the plan and the
// clipboard text (the tool in the current page), and the page file with its launcher (the tool
// in a window of its own). The platform keeps the texts in memory, so only the building counts.

#include "app/Platform.h"
#include "host/HostEditorLink.h"
#include "scripts/InsertionGenerator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

class MemoryPlatform : public vorrel::MessageBoxes,
                       public vorrel::Clipboard,
                       public vorrel::FolderPicker,
                       public vorrel::AppWindows,
                       public vorrel::FileOutput,
                       public vorrel::HostEditorLink {
public:
    std::size_t clipboardBytes = 0;
    std::size_t fileBytes = 0;

    void showPlain(const std::string&) override {}
    void showInformation(const std::string&) override {}
    void showError(const std::string&) override {}
    void setText(const std::string& text) override { clipboardBytes = text.size(); }
    bool askYesNo(const std::string&) override { return true; }
    std::optional<std::string> pickFolder(const std::string& start, const std::string&) override {
        return start;
    }
    vorrel::PathKind kindOf(const std::string&) override { return vorrel::PathKind::None; }
    void minimize() override {}
    void restore() override {}
    bool wexdorRunning() override { return false; }
    std::shared_ptr<vorrel::HostObject> connect() override { return nullptr; }

    std::unique_ptr<vorrel::OutputFile> create(const std::string&) override {
        return std::make_unique<File>(*this);
    }

private:
    class File : public vorrel::OutputFile {
    public:
        explicit File(MemoryPlatform& owner) : owner_(owner) {}
        void write(std::string_view bytes) override { owner_.fileBytes = bytes.size(); }
        void commit() override {}

    private:
        MemoryPlatform& owner_;
    };
};

vorrel::WizardState animatedButtons(std::size_t count, vorrel::DisplayMethod method) {
    vorrel::WizardState state;
    state.tool = vorrel::ScriptTool::AnimatedButtons;
    state.caption = "Animated Buttons";
    state.pageFileName = "Ani.htm";
    state.displayMethod = method;
    state.suggestBrowserChange = true;
    for (std::size_t i = 0; i < count; ++i) {
        const auto n = std::to_string(i);
        state.buttons.push_back({"C:\\Site\\images\\button" + n + ".gif",
                                 "/home/ann/site/images/button" + n + "_over.gif", "Section " + n,
                                 "http://example.org/section" + n + ".htm"});
    }
    return state;
}

void insertion(benchmark::State& run, vorrel::DisplayMethod method) {
    const auto state = animatedButtons(static_cast<std::size_t>(run.range(0)), method);
    MemoryPlatform platform;
    vorrel::InsertionGenerator generator(
        {platform, platform, platform, platform, platform, platform, "/home/ann/"});
    for (auto _ : run) {
        vorrel::InsertionPlan plan;
        generator.generateInsertion(state, true, plan);
        benchmark::DoNotOptimize(plan.headText.data());
    }
    run.SetComplexityN(run.range(0));
    run.counters["clipboard bytes"] = double(platform.clipboardBytes);
    run.counters["page bytes"] = double(platform.fileBytes);
}

void inCurrentPage(benchmark::State& run) {
    insertion(run, vorrel::DisplayMethod::InCurrentPage);
}
void onItsOwnPage(benchmark::State& run) {
    insertion(run, vorrel::DisplayMethod::ButtonOpensWindow);
}

} // namespace

BENCHMARK(inCurrentPage)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(onItsOwnPage)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
