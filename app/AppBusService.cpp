#include "app/AppBusService.h"

#include "app/PostedMessage.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>

namespace vorrel {

AppBusService::AppBusService(QDBusConnection bus, QObject* parent) : QObject(parent), bus_(bus) {
    if (!bus_.isConnected())
        return;
    bus_.registerObject(kObjectPath, kBusName, this, QDBusConnection::ExportScriptableSlots);
    // A second running copy leaves the name to the first one.
    const auto reply =
        bus_.interface()->registerService(kBusName, QDBusConnectionInterface::DontQueueService,
                                          QDBusConnectionInterface::DontAllowReplacement);
    ownsName_ = reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

AppBusService::~AppBusService() {
    if (!bus_.isConnected())
        return;
    bus_.unregisterObject(kObjectPath);
    if (ownsName_)
        bus_.unregisterService(kBusName);
}

void AppBusService::PostMessage(uint message) {
    QCoreApplication::postEvent(QCoreApplication::instance(), new PostedMessage(message));
}

} // namespace vorrel
