#pragma once

#include "host/HostEditorLink.h"

#include <QDBusConnection>

namespace vorrel {

// The host editor on the session bus: its automation object is the object /Wexdor4/Plugin of
// the bus name Wexdor4.Plugin.
class DBusHostLink : public HostEditorLink {
public:
    explicit DBusHostLink(QDBusConnection bus) : bus_(bus) {}

    bool wexdorRunning() override;
    std::shared_ptr<HostObject> connect() override;

private:
    QDBusConnection bus_;
};

// One automation object: every call is a method call by name, made anew, that waits as long as
// the host takes (it may be waiting for its user) and ends at once when the host goes away.
class DBusHostObject : public HostObject {
public:
    DBusHostObject(QDBusConnection bus, QString service)
        : bus_(bus), service_(std::move(service)) {}

    std::string call(const std::string& method, const std::vector<std::string>& args) override;

private:
    QDBusConnection bus_;
    QString service_;
};

} // namespace vorrel
