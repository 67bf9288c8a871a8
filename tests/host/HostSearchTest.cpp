// SPDX-License-Identifier: MIT
#include "host/HostSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace vorrel {
namespace {

class FakeBus : public BusDirectory {
public:
    std::optional<std::string> owner;
    std::vector<std::string> all;
    std::string self = ":1.0";
    std::map<std::string, std::optional<long long>> answers;
    std::vector<std::string> asked;       // one by one
    std::vector<std::string> askedAtOnce; // in one round
    bool lastFirst = false;               // answers come back in the reverse order
    std::size_t answersTaken = 0;

    std::optional<std::string> ownerOf(const std::string& name) override {
        return name == "Wexdor4.Plugin" ? owner : std::nullopt;
    }
    std::vector<std::string> names() override { return all; }
    std::string ownConnection() override { return self; }
    std::optional<long long> askIsRunning(const std::string& connection) override {
        asked.push_back(connection);
        return answerOf(connection);
    }
    void askAllIsRunning(const std::vector<std::string>& connections,
                         const Answered& answered) override {
        askedAtOnce = connections;
        std::vector<std::size_t> order(connections.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        if (lastFirst)
            std::reverse(order.begin(), order.end());
        for (std::size_t index : order) {
            ++answersTaken;
            if (answered(index, answerOf(connections[index])))
                return;
        }
    }

private:
    std::optional<long long> answerOf(const std::string& connection) const {
        auto it = answers.find(connection);
        return it == answers.end() ? std::nullopt : it->second;
    }
};

TEST(HostSearch, AsksOwnerFirstThenOtherUniqueNamesButNeverItself) {
    FakeBus bus;
    bus.owner = ":1.7";
    bus.all = {"org.freedesktop.DBus", ":1.0", ":1.3", "Wexdor4.Plugin", ":1.7", ":1.5", ":1.3"};
    EXPECT_EQ(hostCandidates(bus), (std::vector<std::string>{":1.7", ":1.3", ":1.5"}));
}

// Whatever order the answers come in, the outcome is the one of asking one by one in the bus's
// order: the first connection that answers a number above 0.
TEST(HostSearch, OutcomeIsTheOneByOneSearchsInAnyOrderOfAnswers) {
    const std::vector<std::string> all = {":1.0", ":1.1", ":1.2", ":1.3", ":1.4"};
    struct Case {
        const char* name;
        std::optional<std::string> owner;
        std::map<std::string, std::optional<long long>> answers;
        bool found;
        std::vector<std::string> askedAlone;
    };
    const Case cases[] = {
        {"nobody answers", {}, {{":1.1", 0}, {":1.2", -5}, {":1.3", std::nullopt}}, false, {}},
        {"a later one answers", {}, {{":1.1", 0}, {":1.4", 1}}, true, {}},
        {"the first one answers", {}, {{":1.1", 3}}, true, {}},
        {"the owner answers", ":1.3", {{":1.3", 42}}, true, {":1.3"}},
        {"the owner does not", ":1.3", {{":1.3", 0}, {":1.2", 1}}, true, {":1.3"}},
        {"only the owner would", ":1.3", {{":1.3", -1}}, false, {":1.3"}},
    };
    for (const Case& c : cases) {
        for (bool lastFirst : {false, true}) {
            FakeBus bus;
            bus.all = all;
            bus.owner = c.owner;
            bus.answers = c.answers;
            bus.lastFirst = lastFirst;
            EXPECT_EQ(findRunningHost(bus), c.found) << c.name;
            EXPECT_EQ(bus.asked, c.askedAlone) << c.name;
            if (c.owner && c.found && c.answers.at(*c.owner) > 0) {
                EXPECT_TRUE(bus.askedAtOnce.empty()) << c.name;
                continue;
            }
            std::vector<std::string> others;
            for (const std::string& name : all)
                if (name != ":1.0" && name != c.owner)
                    others.push_back(name);
            EXPECT_EQ(bus.askedAtOnce, others) << c.name;
        }
    }
}

TEST(HostSearch, OutcomeIsKnownAsSoonAsEveryEarlierConnectionSaidNo) {
    HostAnswers answers(4);
    EXPECT_FALSE(answers.take(2, 1)) << "the two before it may still be the host";
    EXPECT_FALSE(answers.take(0, std::nullopt));
    EXPECT_FALSE(answers.take(3, 7));
    EXPECT_TRUE(answers.take(1, 0));
    EXPECT_EQ(answers.host(), std::optional<std::size_t>(2));

    HostAnswers none(2);
    EXPECT_FALSE(none.take(1, -1));
    EXPECT_TRUE(none.take(0, 0));
    EXPECT_EQ(none.host(), std::nullopt);
}

TEST(HostSearch, EmptyBusHasNoHost) {
    FakeBus bus;
    EXPECT_FALSE(findRunningHost(bus));
    EXPECT_TRUE(bus.asked.empty());
    EXPECT_TRUE(bus.askedAtOnce.empty());
}

} // namespace
} // namespace vorrel
