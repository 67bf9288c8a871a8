// SPDX-License-Identifier: MIT
#include "host/DBusDirectory.h"

#include "host/DBusReplyText.h"
#include "host/ServedCall.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace vorrel {

std::optional<std::string> DBusDirectory::ownerOf(const std::string& name) {
    const QDBusReply<QString> owner = bus_.interface()->serviceOwner(QString::fromStdString(name));
    if (!owner.isValid() || owner.value().isEmpty())
        return std::nullopt;
    return owner.value().toStdString();
}

std::vector<std::string> DBusDirectory::names() {
    const QDBusReply<QStringList> names = bus_.interface()->registeredServiceNames();
    std::vector<std::string> result;
    if (names.isValid()) {
        for (const QString& name : names.value())
            result.push_back(name.toStdString());
    }
    return result;
}

std::string DBusDirectory::ownConnection() {
    return bus_.baseService().toStdString();
}

namespace {
QDBusMessage isRunningCall(const std::string& connection) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromStdString(connection), QString::fromLatin1(wexdor4::kObjectPath),
        QString::fromLatin1(wexdor4::kInterface), QString::fromLatin1(wexdor4::kRunningMethod));
    // Only programs already running are asked; none is started for the question.
    call.setAutoStartService(false);
    return call;
}

std::optional<long long> isRunningAnswer(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return replyInteger(reply.arguments().constFirst());
}
} // namespace

std::optional<long long> DBusDirectory::askIsRunning(const std::string& connection) {
    return isRunningAnswer(
        callServed(bus_, isRunningCall(connection), kHostRunningTimeoutMs, lifetime_));
}

void DBusDirectory::askAllIsRunning(const std::vector<std::string>& connections,
                                    const Answered& answered) {
    QList<QDBusMessage> calls;
    calls.reserve(qsizetype(connections.size()));
    for (const std::string& connection : connections)
        calls << isRunningCall(connection);
    callAllServed(bus_, calls, kHostRunningTimeoutMs, lifetime_,
                  [&answered](qsizetype index, const QDBusMessage& reply) {
                      return answered(std::size_t(index), isRunningAnswer(reply));
                  });
}

} // namespace vorrel
