// SPDX-License-Identifier: MIT
#include "support/wayland/InputClient.h"

#include <QtTest>

namespace vorrel::test {

namespace {

// The next line the client writes, or an empty one when none came within `timeoutMs`.
QByteArray nextLine(ProcessGroup& client, int timeoutMs) {
    QProcess& process = client.process();
    if (!QTest::qWaitFor([&] { return process.canReadLine() || !client.running(); }, timeoutMs) ||
        !process.canReadLine())
        return {};
    return process.readLine().trimmed();
}

} // namespace

QByteArray InputClient::start(const QString& program, const QStringList& args,
                              const QProcessEnvironment& env) {
    if (!process_.start(program, args, env, QProcess::ForwardedErrorChannel))
        return {};
    const QByteArray line = nextLine(process_, 10000);
    return line.startsWith("ready") ? line : QByteArray();
}

bool InputClient::send(const QByteArray& command) {
    if (!process_.running() || process_.process().write(command + '\n') < 0)
        return false;
    return nextLine(process_, 5000) == "ok";
}

bool InputClient::movePointer(QPoint to) {
    return send(QStringLiteral("move %1 %2").arg(to.x()).arg(to.y()).toLatin1());
}

bool InputClient::button(int evdevCode, bool pressed) {
    return send(QStringLiteral("button %1 %2").arg(evdevCode).arg(pressed ? 1 : 0).toLatin1());
}

bool InputClient::keys(const QList<KeyEvent>& events) {
    for (const KeyEvent& event : events)
        if (!send(QStringLiteral("key %1 %2")
                      .arg(event.key.evdev)
                      .arg(event.pressed ? 1 : 0)
                      .toLatin1()))
            return false;
    return true;
}

} // namespace vorrel::test
