// SPDX-License-Identifier: MIT
#include "app/AppBusService.h"

#include "app/PostedMessage.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>

namespace vorrel {

AppBusService::AppBusService(QDBusConnection bus, QObject* parent) : QObject(parent), bus_(bus) {
    if (!bus_.isConnected())
        return;
    bus_.registerObject(kObjectPath, kBusName, this, QDBusConnection::ExportScriptableSlots);
    // A second running copy waits in the bus's queue for the name and gets it when the first
    // one ends, so that message 1148 reaches it then.
    const auto reply =
        bus_.interface()->registerService(kBusName, QDBusConnectionInterface::QueueService,
                                          QDBusConnectionInterface::DontAllowReplacement);
    ownsName_ = reply.isValid() && reply.value() != QDBusConnectionInterface::ServiceNotRegistered;
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
