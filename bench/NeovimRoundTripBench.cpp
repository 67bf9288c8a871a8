// SPDX-License-Identifier: MIT
// How long Neovim takes as the host: the whole round trip of a put, the bus call through the
// plugin's bridge until Neovim's buffer has the text and the reply is back, on a small page and
// on a 100 KB one, for the three places the kit finds and for the cursor. Run it on a private
// bus:
//   tests/run-on-private-bus.sh build/bench/neovim_round_trip_bench

#include "HostRoundTrip.h"
#include "support/NeovimSession.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace vorrel::bench;

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
        const QString path = writePage(site, html, paragraphs);
        if (path.isEmpty())
            return 1;
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
            printTiming(method, html, timing);
        }
    }
    return 0;
}
