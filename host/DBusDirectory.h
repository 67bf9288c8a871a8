#pragma once

#include "host/HostSearch.h"

#include <QDBusConnection>

namespace vorrel {

// The session bus as the host-running test sees it.
class DBusDirectory : public BusDirectory {
public:
    explicit DBusDirectory(QDBusConnection bus) : bus_(bus) {}

    std::optional<std::string> ownerOf(const std::string& name) override;
    std::vector<std::string> names() override;
    std::string ownConnection() override;
    std::optional<long long> askIsRunning(const std::string& connection) override;

private:
    QDBusConnection bus_;
};

} // namespace vorrel
