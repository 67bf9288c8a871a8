#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorrel {

// The bus as the host-running test sees it.
class BusDirectory {
public:
    virtual ~BusDirectory() = default;
    // The connection that owns a well-known name, if any.
    virtual std::optional<std::string> ownerOf(const std::string& name) = 0;
    // Every name on the bus, in the order the bus reports them.
    virtual std::vector<std::string> names() = 0;
    // This program's own connection.
    virtual std::string ownConnection() = 0;
    // Asks one connection whether it is the host; the integer it answers, or nothing for an
    // error, a time-out or an answer of another type.
    virtual std::optional<long long> askIsRunning(const std::string& connection) = 0;
};

inline constexpr const char* kHostBusName = "Wexdor4.Plugin";
inline constexpr const char* kHostObjectPath = "/Wexdor4/Plugin";
inline constexpr const char* kHostInterface = "Wexdor4.Plugin";
inline constexpr const char* kHostRunningMethod = "WM_ISWEXDORRUNNING";
inline constexpr int kHostRunningTimeoutMs = 2000;

// The connections to ask, in order: the owner of the host's name first, then every other
// connection (unique names only, never this program's own).
std::vector<std::string> hostCandidates(BusDirectory& bus);

// True as soon as one candidate answers with a number above 0; later ones are not asked.
bool findRunningHost(BusDirectory& bus);

} // namespace vorrel
