#include "host/HostSearch.h"

#include <algorithm>

namespace vorrel {

namespace {
bool isUniqueName(const std::string& name) {
    return !name.empty() && name.front() == ':';
}
} // namespace

std::vector<std::string> hostCandidates(BusDirectory& bus) {
    std::vector<std::string> order;
    const std::string self = bus.ownConnection();
    if (auto owner = bus.ownerOf(kHostBusName); owner && *owner != self)
        order.push_back(*owner);
    for (const std::string& name : bus.names()) {
        if (!isUniqueName(name) || name == self)
            continue;
        if (std::find(order.begin(), order.end(), name) == order.end())
            order.push_back(name);
    }
    return order;
}

bool findRunningHost(BusDirectory& bus) {
    for (const std::string& connection : hostCandidates(bus)) {
        const std::optional<long long> answer = bus.askIsRunning(connection);
        if (answer && *answer > 0)
            return true;
    }
    return false;
}

} // namespace vorrel
