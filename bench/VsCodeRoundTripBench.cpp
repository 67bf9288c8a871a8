// SPDX-License-Identifier: MIT
// How long VS Code takes as the host: from the workbench's start (code-server and Chromium) to
// the first answered call, and the whole round trip of a put, the bus call until VS Code's
// editor has the text and the reply is back, on a small page and on a 100 KB one. Run it on a
// private bus once `make test` has installed code-server:
//   tests/run-on-private-bus.sh build/bench/vscode_round_trip_bench

#include "support/VsCodeWorkbench.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QElapsedTimer>

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

// kPuts puts at the end of the body of the page open in VS Code, one after the other.
bool timePuts(Timing& timing) {
    std::vector<double> times;
    for (int i = 0; i < kPuts; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QDBusMessage reply =
            callHost("puttextbody", {QStringLiteral("<p>put %1</p>\n").arg(i)});
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            std::fprintf(stderr, "puttextbody failed: %s\n", qPrintable(reply.errorMessage()));
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
        const QString path = site.filePath(QStringLiteral("page%1.html").arg(paragraphs));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size())
            return 1;
        file.close();
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
        if (!timePuts(timing))
            return 1;
        std::printf("puttextbody round trip on a %.1f KB page, %d puts: median %.1f ms, "
                    "best %.1f ms, worst %.1f ms\n",
                    double(html.size()) / 1024, kPuts, timing.median, timing.best, timing.worst);
    }
    return 0;
}
