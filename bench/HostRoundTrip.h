// SPDX-License-Identifier: MIT
#pragma once
// The round trip of a put into a real editor's host, shared by the host benchmarks: puts on a
// generated page, timed from the bus call until the reply is back.

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace vorrel::bench {

constexpr int kPuts = 20;

inline QDBusMessage callHost(const QString& method, const QVariantList& args = {}) {
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

// kPuts calls of `method` on the page open in the host, one after the other; `text` has a %1 for
// the put's number.
inline bool timePuts(const QString& method, const QString& text, Timing& timing) {
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

inline QByteArray page(int paragraphs) {
    QByteArray html = "<!DOCTYPE html>\n<html>\n<head>\n<title>Bench</title>\n</head>\n<body>\n";
    for (int i = 0; i < paragraphs; ++i)
        html += "<p>A paragraph of the page, long enough to be like one, number " +
                QByteArray::number(i) + ".</p>\n";
    return html + "</body>\n</html>\n";
}

// `html`, the page of `paragraphs` paragraphs, written in `site`: its path, or empty on failure.
inline QString writePage(const QTemporaryDir& site, const QByteArray& html, int paragraphs) {
    const QString path = site.filePath(QStringLiteral("page%1.html").arg(paragraphs));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size())
        return {};
    return path;
}

inline void printTiming(const char* method, const QByteArray& html, const Timing& timing) {
    std::printf("%s round trip on a %.1f KB page, %d puts: median %.1f ms, best %.1f ms, "
                "worst %.1f ms\n",
                method, double(html.size()) / 1024, kPuts, timing.median, timing.best,
                timing.worst);
}

} // namespace vorrel::bench
