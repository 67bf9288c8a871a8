// SPDX-License-Identifier: MIT
#pragma once

#include "host/HostEditorLink.h"

#include <QDBusConnection>

namespace vorrel {

class ProgramLifetime;

// The host editor on the session bus: its automation object is the object /Wexdor4/Plugin of
// the bus name Wexdor4.Plugin.
class DBusHostLink : public HostEditorLink {
public:
    // Every wait for the host serves the program's events; `lifetime`, when given, lets the
    // program end during a wait.
    explicit DBusHostLink(QDBusConnection bus, const ProgramLifetime* lifetime = nullptr)
        : bus_(bus), lifetime_(lifetime) {}

    bool wexdorRunning() override;
    std::shared_ptr<HostObject> connect() override;

private:
    QDBusConnection bus_;
    const ProgramLifetime* lifetime_;
};

// One automation object: every call is a method call by name, made anew, that waits as long as
// the host takes (it may be waiting for its user) and ends at once when the host goes away.
class DBusHostObject : public HostObject {
public:
    DBusHostObject(QDBusConnection bus, QString service, const ProgramLifetime* lifetime)
        : bus_(bus), service_(std::move(service)), lifetime_(lifetime) {}

    std::string call(const std::string& method, const std::vector<std::string>& args) override;

private:
    QDBusConnection bus_;
    QString service_;
    const ProgramLifetime* lifetime_;
};

} // namespace vorrel
