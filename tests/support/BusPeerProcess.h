// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <memory>
#include <vector>

namespace vorrel::test {

// The test peers a test starts on its private bus; each is stopped when the set goes.
class BusPeers {
public:
    ~BusPeers() { clear(); }

    // Starts a peer (on the bus of `env`) and waits until it is on the bus; returns its unique
    // name, or an empty text when it did not come up.
    QString start(const QStringList& args,
                  const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(env);
        process->setProgram(peerProgram());
        process->setArguments(args);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start();
        QString name;
        const bool ready = QTest::qWaitFor(
            [&] {
                if (process->state() == QProcess::NotRunning)
                    return true;
                if (!process->canReadLine())
                    return false;
                name = QString::fromUtf8(process->readLine()).trimmed().section(' ', 1);
                return true;
            },
            10000);
        if (!ready || name.isEmpty())
            return {};
        processes_.push_back(std::move(process));
        return name;
    }

    QProcess& last() { return *processes_.back(); }

    void clear() {
        for (auto& process : processes_) {
            process->kill();
            process->waitForFinished(5000);
        }
        processes_.clear();
    }

    static QString peerProgram() {
        return QProcessEnvironment::systemEnvironment().value("VORREL_BIN_DIR") + "/buspeer";
    }

private:
    std::vector<std::unique_ptr<QProcess>> processes_;
};

} // namespace vorrel::test
