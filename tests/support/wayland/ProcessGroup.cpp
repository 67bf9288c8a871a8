// SPDX-License-Identifier: MIT
#include "support/wayland/ProcessGroup.h"

#include <QFile>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/prctl.h>
#include <unistd.h>

namespace vorrel::test {

bool ProcessGroup::start(const QString& program, const QStringList& args,
                         const QProcessEnvironment& env, QProcess::ProcessChannelMode channels,
                         const QString& log) {
    stop();
    log_ = log;
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(log.isEmpty() ? channels : QProcess::MergedChannels);
    if (!log.isEmpty())
        process_.setStandardOutputFile(log, QIODevice::Append);
    // A group of its own; and should the test die without ending it, it dies too.
    process_.setChildProcessModifier([] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    process_.start(program, args);
    if (!process_.waitForStarted(10000))
        return false;
    group_ = process_.processId();
    return true;
}

void ProcessGroup::stop(int graceMs) {
    if (group_ <= 0)
        return;
    const pid_t group = pid_t(group_);
    group_ = 0;
    // The leader first, so that it ends what it started itself (a compositor its XWayland, and
    // the X sockets with it); then whatever is left of the group.
    process_.terminate();
    if (!process_.waitForFinished(graceMs))
        process_.kill();
    process_.waitForFinished(5000);
    ::kill(-group, SIGKILL);
}

QString ProcessGroup::describeExit() const {
    QString text = process_.state() != QProcess::NotRunning
                       ? QStringLiteral("%1 is running").arg(process_.program())
                       : QStringLiteral("%1 ended with code %2")
                             .arg(process_.program())
                             .arg(process_.exitCode());
    QFile log(log_);
    if (!log_.isEmpty() && log.open(QIODevice::ReadOnly))
        text += QStringLiteral("; the end of its log:\n") +
                QString::fromUtf8(log.readAll().right(3000));
    return text;
}

QProcessEnvironment waitForEnvironmentFile(const QString& path, int timeoutMs,
                                           const std::function<bool()>& alive) {
    QProcessEnvironment env;
    if (!QTest::qWaitFor([&] { return QFile::exists(path) || !alive(); }, timeoutMs))
        return env;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return env;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            env.insert(QString::fromUtf8(line.left(equals)),
                       QString::fromUtf8(line.mid(equals + 1)));
    }
    return env;
}

QString startBus(ProcessGroup& daemon, const QStringList& args, const QProcessEnvironment& env) {
    if (!daemon.start(
            QStringLiteral("dbus-daemon"),
            args + QStringList{QStringLiteral("--nofork"), QStringLiteral("--print-address=1")},
            env, QProcess::SeparateChannels))
        return {};
    QProcess& process = daemon.process();
    if (!QTest::qWaitFor([&] { return process.canReadLine() || !daemon.running(); }, 10000) ||
        !process.canReadLine())
        return {};
    return QString::fromUtf8(process.readLine()).trimmed();
}

} // namespace vorrel::test
