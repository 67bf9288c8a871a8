// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

namespace vorrel::test {

// A process the harness starts in a process group of its own, so that what it starts in turn
// (a compositor's XWayland, the services a bus activates) ends with it.
class ProcessGroup {
public:
    ~ProcessGroup() { stop(); }

    // With a `log`, the process's output goes there (a compositor says a lot), else as
    // `channels` says.
    bool start(const QString& program, const QStringList& args, const QProcessEnvironment& env,
               QProcess::ProcessChannelMode channels = QProcess::ForwardedChannels,
               const QString& log = {});
    // Asks the leader to end, kills it after `graceMs`, then ends what is left of the group.
    void stop(int graceMs = 5000);
    bool running() const { return process_.state() != QProcess::NotRunning; }
    QProcess& process() { return process_; }
    // How it ended and the end of its log, for a report of why a start failed.
    QString describeExit() const;

private:
    QProcess process_;
    qint64 group_ = 0;
    QString log_;
};

// Reads KEY=VALUE lines, as `env` writes them, once `path` exists; empty when it did not
// appear within `timeoutMs` or `alive` turned false first.
QProcessEnvironment waitForEnvironmentFile(const QString& path, int timeoutMs,
                                           const std::function<bool()>& alive);

// Starts a dbus-daemon with `args` and waits for its address; empty when it did not start.
QString startBus(ProcessGroup& daemon, const QStringList& args, const QProcessEnvironment& env);

} // namespace vorrel::test
