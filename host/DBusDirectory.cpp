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

std::optional<long long> DBusDirectory::askIsRunning(const std::string& connection) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromStdString(connection), QString::fromLatin1(kHostObjectPath),
        QString::fromLatin1(kHostInterface), QString::fromLatin1(kHostRunningMethod));
    // Only programs already running are asked; none is started for the question.
    call.setAutoStartService(false);
    const QDBusMessage reply = callServed(bus_, call, kHostRunningTimeoutMs, lifetime_);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return replyInteger(reply.arguments().constFirst());
}

} // namespace vorrel
