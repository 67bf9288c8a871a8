// SPDX-License-Identifier: MIT
#include "host/DBusHostLink.h"

#include "app/Errors.h"
#include "host/DBusDirectory.h"
#include "host/DBusReplyText.h"
#include "host/HostSearch.h"
#include "host/ServedCall.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace vorrel {

namespace {
const QString hostName() {
    return QString::fromLatin1(wexdor4::kBusName);
}

bool canBeActivated(QDBusConnection& bus) {
    const QDBusReply<QStringList> names = bus.interface()->activatableServiceNames();
    return names.isValid() && names.value().contains(hostName());
}

// What the user is told of a call that failed on the bus's side rather than the host's.
std::string failureText(const QDBusMessage& reply) {
    const QString bus = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
    const QString name = reply.errorName();
    QString said = bus;
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        said = QStringLiteral("Wexdor 4 is no longer running. (%1)").arg(bus);
    else if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
             name == QLatin1String("org.freedesktop.DBus.Error.Timeout"))
        said = QStringLiteral("Wexdor 4 did not answer. (%1)").arg(bus);
    else if (name == QLatin1String("org.freedesktop.DBus.Error.Disconnected"))
        said = QStringLiteral("The session bus that reaches Wexdor 4 has gone. (%1)").arg(bus);
    return said.toUtf8().toStdString();
}
} // namespace

bool DBusHostLink::wexdorRunning() {
    if (!bus_.isConnected())
        return false;
    DBusDirectory directory(bus_, lifetime_);
    return findRunningHost(directory);
}

std::shared_ptr<HostObject> DBusHostLink::connect() {
    if (!bus_.isConnected())
        throw HostError("There is no session bus to reach Wexdor 4 on.");
    if (!bus_.interface()->isServiceRegistered(hostName()).value() && !canBeActivated(bus_))
        throw HostError("Wexdor 4 is not running: nothing on the session bus owns the name "
                        "Wexdor4.Plugin, and it cannot be started.");
    return std::make_shared<DBusHostObject>(bus_, hostName(), lifetime_);
}

std::string DBusHostObject::call(const std::string& method, const std::vector<std::string>& args) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        service_, QString::fromLatin1(wexdor4::kObjectPath),
        QString::fromLatin1(wexdor4::kInterface), QString::fromStdString(method));
    QList<QVariant> arguments;
    for (const std::string& arg : args)
        arguments << QString::fromUtf8(arg.data(), qsizetype(arg.size()));
    message.setArguments(arguments);

    // No time-out of the program's own: the host may be waiting for its user.
    const QDBusMessage reply = callServed(bus_, message, -1, lifetime_);
    if (reply.type() == QDBusMessage::ErrorMessage)
        throw HostError(failureText(reply));
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw HostError("Wexdor 4 did not answer the call " + method + ".");
    if (reply.arguments().isEmpty())
        return {};
    if (auto text = replyText(reply.arguments().constFirst()))
        return *text;
    throw HostError("The answer of Wexdor 4 to " + method + " cannot be read as text.");
}

} // namespace vorrel
