// SPDX-License-Identifier: MIT
// How long Neovim takes as the host: the whole round trip of a put, the bus call through the
// plugin's bridge until Neovim's buffer has the text and the reply is back, on a small page and
// on a 100 KB one, for the three places the kit finds and for the cursor. Run it on a private
// bus:
//   tests/run-on-private-bus.sh build/bench/neovim_round_trip_bench

#include "support/NeovimSession.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPuts = 20;

QDBusMessage callHost(const QString& method, const QVariantList& args = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall("Wexdor4.Plugin", "/Wexdor4/Plugin",
                                                          "Wexdor4.Plugin", method);
    message.setArguments(args);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, 120000);
}

struct Timing {
    double median = 0;
    double best = 0;
    double worst = 0;
};

// kPuts calls of `method` on the page open in Neovim, one after the other.
bool timePuts(const QString& method, const QString& text, Timing& timing) {
    std::vector<double> times;
    for (int i = 0; i < kPuts; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QDBusMessage reply = callHost(method, {text.arg(i)});
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            std::fprintf(stderr, "%s failed: %s\n", qPrintable(method),
                         qPrintable(reply.errorMessage()));
            return false;
        }
    }
    std::sort(times.begin(), times.end());
    timing = {times[times.size() / 2], times.front(), times.back()};
    return true;
}

QByteArray page(int paragraphs) {
    QByteArray html = "<!DOCTYPE html>\n<html>\n<head>\n<title>Bench</title>\n</head>\n<body>\n";
    for (int i = 0; i < paragraphs; ++i)
        html += "<p>A paragraph of the page, long enough to be like one, number " +
                QByteArray::number(i) + ".</p>\n";
    return html + "</body>\n</html>\n";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!QDBusConnection::sessionBus().isConnected()) {
        std::fprintf(stderr, "neovim_round_trip_bench: run it on a private session bus\n");
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("VORREL_NEOVIM_PLUGIN"))
        qputenv("VORREL_NEOVIM_PLUGIN", VORREL_NEOVIM_PLUGIN);

    QTemporaryDir site;
    for (const int paragraphs : {10, 1400}) {
        const QByteArray html = page(paragraphs);
        const QString path = site.filePath(QStringLiteral("page%1.html").arg(paragraphs));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size())
            return 1;
        file.close();
        const QString scratch = site.filePath(QStringLiteral("nvim%1").arg(paragraphs));
        QDir().mkpath(scratch);
        vorrel::test::NeovimSession nvim;
        if (!nvim.start(scratch, {path})) {
            std::fprintf(stderr, "%s\n", qPrintable(nvim.failure));
            return 1;
        }
        const std::pair<const char*, const char*> puts[] = {
            {"puttextbody", "<p>put %1</p>\n"},
            {"puttexthead", "<script>var a%1;</script>\n"},
            {"puttextinbody", " data-n%1=\"x\""},
            {"puttextatcursor", "<b>%1</b>"},
        };
        for (const auto& [method, text] : puts) {
            Timing timing;
            if (!timePuts(QString::fromLatin1(method), QString::fromLatin1(text), timing))
                return 1;
            std::printf("%s round trip on a %.1f KB page, %d puts: median %.1f ms, best %.1f ms, "
                        "worst %.1f ms\n",
                        method, double(html.size()) / 1024, kPuts, timing.median, timing.best,
                        timing.worst);
        }
    }
    return 0;
}
