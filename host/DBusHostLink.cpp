#include "host/DBusHostLink.h"

#include "app/Errors.h"
#include "host/DBusDirectory.h"
#include "host/DBusReplyText.h"
#include "host/HostSearch.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <limits>

namespace vorrel {

namespace {
const QString hostName() {
    return QString::fromLatin1(kHostBusName);
}

bool canBeActivated(QDBusConnection& bus) {
    const QDBusReply<QStringList> names = bus.interface()->activatableServiceNames();
    return names.isValid() && names.value().contains(hostName());
}

// libdbus reads the largest time-out as "wait for ever".
constexpr int kNoTimeout = std::numeric_limits<int>::max();
} // namespace

bool DBusHostLink::wexdorRunning() {
    if (!bus_.isConnected())
        return false;
    DBusDirectory directory(bus_);
    return findRunningHost(directory);
}

std::shared_ptr<HostObject> DBusHostLink::connect() {
    if (!bus_.isConnected())
        throw HostError("There is no session bus to reach Wexdor 4 on.");
    if (!bus_.interface()->isServiceRegistered(hostName()).value() && !canBeActivated(bus_))
        throw HostError("Wexdor 4 is not running: nothing on the session bus owns the name "
                        "Wexdor4.Plugin, and it cannot be started.");
    return std::make_shared<DBusHostObject>(bus_, hostName());
}

std::string DBusHostObject::call(const std::string& method, const std::vector<std::string>& args) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        service_, QString::fromLatin1(kHostObjectPath), QString::fromLatin1(kHostInterface),
        QString::fromStdString(method));
    QList<QVariant> arguments;
    for (const std::string& arg : args)
        arguments << QString::fromUtf8(arg.data(), qsizetype(arg.size()));
    message.setArguments(arguments);

    const QDBusMessage reply = bus_.call(message, QDBus::Block, kNoTimeout);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        const QString text =
            reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
        throw HostError(text.toUtf8().toStdString());
    }
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw HostError("Wexdor 4 did not answer the call " + method + ".");
    if (reply.arguments().isEmpty())
        return {};
    if (auto text = replyText(reply.arguments().constFirst()))
        return *text;
    throw HostError("The answer of Wexdor 4 to " + method + " cannot be read as text.");
}

} // namespace vorrel
