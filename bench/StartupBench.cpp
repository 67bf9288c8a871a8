// SPDX-License-Identifier: MIT
// Start to the first window drawn: the wizard (with a host on the bus, so without the splash)
// against a bare Qt window with one label built the same way, started one after the other in
// turn. Needs a display and a bus of its own:
//   DISPLAY=:99 tests/run-on-private-bus.sh build/bench/startup_bench

#include "support/BusPeerProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRounds = 40;

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Milliseconds from start to exit, or a negative number when it did not end well.
double run(const QString& subject, const QString& what) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(subject, {what});
    if (!process.waitForFinished(15000) || process.exitCode() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    qputenv("VORREL_BIN_DIR", (folder + "/..").toUtf8());
    vorrel::test::BusPeers peers;
    if (peers.start({"--own-host-name", "--answer", "1"}).isEmpty()) {
        std::fprintf(stderr, "startup_bench: the stand-in host did not come up on the bus\n");
        return 1;
    }
    const QString subject = folder + "/startup_subject";
    std::vector<double> wizard, bare;
    for (int i = 0; i < kRounds; ++i) {
        const double w = run(subject, "wizard");
        const double b = run(subject, "bare");
        if (w < 0 || b < 0) {
            std::fprintf(stderr, "startup_bench: a start failed (is there a display?)\n");
            return 1;
        }
        wizard.push_back(w);
        bare.push_back(b);
    }
    const double w = median(wizard), b = median(bare);
    std::printf("start to first window drawn, median of %d interleaved runs:\n", kRounds);
    std::printf("  bare Qt window with one label  %7.1f ms\n", b);
    std::printf("  wizard, tool picker            %7.1f ms\n", w);
    std::printf("  ratio                          %7.2f\n", w / b);
    return 0;
}
