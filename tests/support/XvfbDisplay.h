// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QString>
#include <QtTest>

#include "support/EndProcess.h"

namespace vorrel::test {

// An X server of the test's own. Xvfb takes a free display and writes its number on standard
// output once it is ready, so tests running side by side never share one.
class XvfbDisplay {
public:
    ~XvfbDisplay() { stop(); }

    // ":N" once the server is ready; empty when it did not start.
    QString start(const QString& screen = QStringLiteral("1280x1024x24")) {
        stop();
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                       QStringLiteral("-screen"), QStringLiteral("0"), screen});
        const bool ready = QTest::qWaitFor(
            [this] { return server_.canReadLine() || server_.state() == QProcess::NotRunning; },
            20000);
        display_ = ready && server_.canReadLine()
                       ? QLatin1Char(':') + QString::fromLatin1(server_.readLine()).trimmed()
                       : QString();
        return display_;
    }

    void stop() {
        endProcess(server_);
        display_.clear();
    }

    const QString& display() const { return display_; }

private:
    QProcess server_;
    QString display_;
};

} // namespace vorrel::test
