// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QObject>

namespace vorrel {

// The program's own object on the session bus: other programs post numbered messages to it.
class AppBusService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "Vorrel.Application")

public:
    static constexpr const char* kBusName = "Vorrel.Application";
    static constexpr const char* kObjectPath = "/Vorrel";

    // Exports the object and takes the bus name when it is free; without a bus it does nothing.
    explicit AppBusService(QDBusConnection bus, QObject* parent = nullptr);
    ~AppBusService() override;

public slots:
    // Posts the message into the application's queue; the caller gets no reply.
    Q_SCRIPTABLE Q_NOREPLY void PostMessage(uint message);

private:
    QDBusConnection bus_;
    bool ownsName_ = false;
};

} // namespace vorrel
