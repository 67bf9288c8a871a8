// SPDX-License-Identifier: MIT
// The wizard's windows under load. A repaint of the caption bar. The Animated Buttons page with a
// long list: adding one more button (the four edits filled and Add pressed) and reading the
// wizard's values off the windows, as Finished does. Preview without a host: from the click until
// the event loop has the program back, with a real process started by the desktop's default
// application for web pages (a quick one made for the benchmark). Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/pages_bench

#include "launch/QtProcessStarter.h"
#include "pages/Top2fm.h"
#include "support/WizardDriver.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QTemporaryDir>

namespace {

using vorrel::Rect;
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

// The caption bar composed off screen and drawn, as a repaint of the bar does it.
void CaptionRepaint(benchmark::State& state) {
    WizardDriver d;
    d.host.running = true;
    d.start();
    auto* picker = qobject_cast<vorrel::TGradientForm*>(WizardDriver::window("ToolPickerForm"));
    const Rect& bar = picker->captionLayout().caption;
    QImage screen(picker->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        painter.drawPixmap(bar.left, bar.top, picker->captionImage(true));
    }
}
BENCHMARK(CaptionRepaint)->Unit(benchmark::kMicrosecond);

// The desktop's program for web pages, for this run: `true`, which starts and ends at once.
void useQuickBrowser(const QTemporaryDir& folder) {
    QDir(folder.path()).mkpath("data/applications");
    QDir(folder.path()).mkpath("config");
    QFile entry(folder.filePath("data/applications/quick-browser.desktop"));
    entry.open(QIODevice::WriteOnly);
    entry.write("[Desktop Entry]\nType=Application\nName=Quick\nExec=true %U\n"
                "MimeType=text/html;\n");
    QFile defaults(folder.filePath("config/mimeapps.list"));
    defaults.open(QIODevice::WriteOnly);
    defaults.write("[Default Applications]\ntext/html=quick-browser.desktop\n");
    qputenv("XDG_DATA_HOME", folder.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toUtf8());
}

void PreviewWithoutHost(benchmark::State& state) {
    QTemporaryDir folder;
    useQuickBrowser(folder);
    QFile page(folder.filePath("clock.htm"));
    page.open(QIODevice::WriteOnly);
    page.write("<HTML></HTML>\n");
    page.close();

    vorrel::QtProcessStarter processes;
    WizardDriver d;
    vorrel::test::RecordingMessageBoxes messages;
    vorrel::ProgramLifetime lifetime;
    vorrel::Wizard wizard({messages, d.host, lifetime, d.recordingInsertion, d.files, d.help,
                           processes, (folder.path() + "/").toStdString(), d.screen, d.splash});
    wizard.start();
    auto* preview = WizardDriver::control<QAbstractButton>("ToolPickerForm/bb1");
    for (auto _ : state) {
        preview->click();
        state.PauseTiming();
        QCoreApplication::processEvents(); // the ended browsers are collected
        state.ResumeTiming();
    }
}
BENCHMARK(PreviewWithoutHost)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
