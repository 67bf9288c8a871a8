// SPDX-License-Identifier: MIT
// How long VS Code takes as the host: from the workbench's start (code-server and Chromium) to
// the first answered call, and the whole round trip of a put, the bus call until VS Code's
// editor has the text and the reply is back, on a small page and on a 100 KB one. Run it on a
// private bus once `make test` has installed code-server:
//   tests/run-on-private-bus.sh build/bench/vscode_round_trip_bench

#include "HostRoundTrip.h"
#include "support/VsCodeWorkbench.h"

#include <QCoreApplication>

#include <cstdio>

using namespace vorrel::bench;

namespace {

void defaultSetting(const char* name, const char* value) {
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!QDBusConnection::sessionBus().isConnected()) {
        std::fprintf(stderr, "vscode_round_trip_bench: run it on a private session bus\n");
        return 1;
    }
    defaultSetting("VORREL_VSCODE_RUNTIME", VORREL_VSCODE_RUNTIME);
    defaultSetting("VORREL_VSCODE_EXTENSION", VORREL_VSCODE_EXTENSION);
    defaultSetting("VORREL_VSCODE_WORKBENCH", VORREL_VSCODE_WORKBENCH);

    vorrel::test::VsCodeWorkbench vscode;
    if (!vscode.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(vscode.failure));
        return 1;
    }
    const bool answered = callHost("WM_ISWEXDORRUNNING").type() == QDBusMessage::ReplyMessage;
    const qint64 firstCall = vscode.elapsed();
    if (!answered)
        return 1;
    std::printf("workbench start to the first answered call: %lld ms\n", firstCall);

    QTemporaryDir site;
    for (const int paragraphs : {10, 1400}) {
        const QByteArray html = page(paragraphs);
        const QString path = writePage(site, html, paragraphs);
        if (path.isEmpty())
            return 1;
        if (!vscode.closeAll() || !vscode.open(path)) {
            std::fprintf(stderr, "%s\n", qPrintable(vscode.failure));
            return 1;
        }
        // The extension host hears of the editor a little after the page shows it.
        if (!QTest::qWaitFor(
                [&] {
                    return callHost("getworkdir").arguments().value(0).toString() ==
                           site.path() + "/";
                },
                30000))
            return 1;
        Timing timing;
        if (!timePuts(QStringLiteral("puttextbody"), QStringLiteral("<p>put %1</p>\n"), timing))
            return 1;
        printTiming("puttextbody", html, timing);
    }
    return 0;
}
