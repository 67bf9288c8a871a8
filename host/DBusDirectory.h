// SPDX-License-Identifier: MIT
#pragma once

#include "host/HostSearch.h"

#include <QDBusConnection>

namespace vorrel {

class ProgramLifetime;

// The session bus as the host-running test sees it.
class DBusDirectory : public BusDirectory {
public:
    // The question to each connection waits with the program's events served; `lifetime`, when
    // given, lets the program end during the wait.
    explicit DBusDirectory(QDBusConnection bus, const ProgramLifetime* lifetime = nullptr)
        : bus_(bus), lifetime_(lifetime) {}

    std::optional<std::string> ownerOf(const std::string& name) override;
    std::vector<std::string> names() override;
    std::string ownConnection() override;
    std::optional<long long> askIsRunning(const std::string& connection) override;
    void askAllIsRunning(const std::vector<std::string>& connections,
                         const Answered& answered) override;

private:
    QDBusConnection bus_;
    const ProgramLifetime* lifetime_;
};

} // namespace vorrel
