#include "host/HostSearch.h"

#include <gtest/gtest.h>

#include <map>

namespace vorrel {
namespace {

class FakeBus : public BusDirectory {
public:
    std::optional<std::string> owner;
    std::vector<std::string> all;
    std::string self = ":1.0";
    std::map<std::string, std::optional<long long>> answers;
    std::vector<std::string> asked;

    std::optional<std::string> ownerOf(const std::string& name) override {
        return name == kHostBusName ? owner : std::nullopt;
    }
    std::vector<std::string> names() override { return all; }
    std::string ownConnection() override { return self; }
    std::optional<long long> askIsRunning(const std::string& connection) override {
        asked.push_back(connection);
        auto it = answers.find(connection);
        return it == answers.end() ? std::nullopt : it->second;
    }
};

TEST(HostSearch, AsksOwnerFirstThenOtherUniqueNamesButNeverItself) {
    FakeBus bus;
    bus.owner = ":1.7";
    bus.all = {"org.freedesktop.DBus", ":1.0", ":1.3", "Wexdor4.Plugin", ":1.7", ":1.5"};
    EXPECT_EQ(hostCandidates(bus), (std::vector<std::string>{":1.7", ":1.3", ":1.5"}));
}

TEST(HostSearch, NoAnswersMeansNoHostAndEveryoneWasAsked) {
    FakeBus bus;
    bus.all = {":1.0", ":1.1", ":1.2", ":1.3", ":1.4"};
    bus.answers = {{":1.1", 0}, {":1.2", -5}, {":1.3", std::nullopt}};
    EXPECT_FALSE(findRunningHost(bus));
    EXPECT_EQ(bus.asked, (std::vector<std::string>{":1.1", ":1.2", ":1.3", ":1.4"}));
}

TEST(HostSearch, FirstPositiveAnswerEndsTheSearch) {
    FakeBus bus;
    bus.all = {":1.1", ":1.2", ":1.3"};
    bus.answers = {{":1.1", 0}, {":1.2", 1}, {":1.3", 1}};
    EXPECT_TRUE(findRunningHost(bus));
    EXPECT_EQ(bus.asked, (std::vector<std::string>{":1.1", ":1.2"}));
}

TEST(HostSearch, OwnerOfTheHostNameAnsweringIsTheOnlyOneAsked) {
    FakeBus bus;
    bus.owner = ":1.9";
    bus.all = {":1.1", ":1.2", ":1.9"};
    bus.answers = {{":1.9", 42}};
    EXPECT_TRUE(findRunningHost(bus));
    EXPECT_EQ(bus.asked, (std::vector<std::string>{":1.9"}));
}

TEST(HostSearch, EmptyBusHasNoHost) {
    FakeBus bus;
    EXPECT_FALSE(findRunningHost(bus));
    EXPECT_TRUE(bus.asked.empty());
}

} // namespace
} // namespace vorrel
