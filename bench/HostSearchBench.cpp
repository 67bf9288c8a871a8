// SPDX-License-Identifier: MIT
// How long the host-running test takes on a bus crowded with idle connections, with and without
// a host, and on a bus where some connections never answer. Run it on a private bus:
// tests/run-on-private-bus.sh build/bench/host_search_bench

#include "host/DBusDirectory.h"
#include "host/DBusHostLink.h"
#include "support/BusPeerProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kIdlePeers = 50;
constexpr int kSilentPeers = 10;
constexpr int kRounds = 25;
// A silent connection holds each round up for its whole time-out.
constexpr int kSilentRounds = 3;

struct Timing {
    double median;
    double worst;
    bool found;
};

Timing measure(vorrel::DBusHostLink& link, int rounds = kRounds) {
    std::vector<double> times;
    bool found = false;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        found = link.wexdorRunning();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back(), found};
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "host_search_bench: run it on a private session bus\n");
        return 1;
    }
    // The peers are found beside the benchmark's own folder, in the build folder.
    qputenv("VORREL_BIN_DIR", (QCoreApplication::applicationDirPath() + "/..").toUtf8());
    vorrel::DBusHostLink link(bus);
    const Timing empty = measure(link);
    vorrel::test::BusPeers peers;
    if (peers.start({"--idle", QString::number(kIdlePeers)}).isEmpty()) {
        std::fprintf(stderr, "host_search_bench: the idle connections did not come up\n");
        return 1;
    }
    vorrel::DBusDirectory directory(bus);
    const auto asked = vorrel::hostCandidates(directory).size();

    const Timing none = measure(link);
    if (peers.start({"--silent", "--copies", QString::number(kSilentPeers - 1)}).isEmpty())
        return 1;
    const Timing silent = measure(link, kSilentRounds);
    if (peers.start({"--own-host-name", "--answer", "1"}).isEmpty())
        return 1;
    const Timing host = measure(link);

    std::printf("no host, no other connection: median %.2f ms\n", empty.median);
    std::printf("connections asked without host: %zu\n", asked);
    std::printf("no host:  median %.2f ms, worst %.2f ms (found: %s)\n", none.median, none.worst,
                none.found ? "yes" : "no");
    std::printf("host up:  median %.2f ms, worst %.2f ms (found: %s)\n", host.median, host.worst,
                host.found ? "yes" : "no");
    std::printf("ratio no host / host up: %.1f\n", none.median / host.median);
    std::printf("%d idle connections add %.2f ms to the start without host\n", kIdlePeers,
                none.median - empty.median);
    std::printf("%d silent connections, no host: median %.0f ms, worst %.0f ms (found: %s)\n",
                kSilentPeers, silent.median, silent.worst, silent.found ? "yes" : "no");
    return none.found || silent.found || !host.found ? 1 : 0;
}
