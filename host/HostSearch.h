// SPDX-License-Identifier: MIT
#pragma once

#include "editors/protocol/HostProtocol.h"

#include <cstddef>
#include <functional>
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
    // Asks every one of `connections` the same at once, each once and each with its own
    // time-out. `answered` gets each answer with the connection's index as it comes in, in any
    // order; once it returns true no more answers are waited for.
    using Answered = std::function<bool(std::size_t index, std::optional<long long> answer)>;
    virtual void askAllIsRunning(const std::vector<std::string>& connections,
                                 const Answered& answered) = 0;
};

// How long each connection has to answer the host protocol's running method.
inline constexpr int kHostRunningTimeoutMs = 2000;

// The connections to ask: the owner of the host's name first, on its own, then every other
// connection (unique names only, never this program's own) in the order the bus lists them.
struct HostCandidates {
    std::optional<std::string> owner;
    std::vector<std::string> others;
};
HostCandidates findHostCandidates(BusDirectory& bus);

// All candidates in the order they count: the owner, then the others.
std::vector<std::string> hostCandidates(BusDirectory& bus);

// Answers that come in any order, read as if the connections had been asked one by one in their
// order: the host is the first connection whose answer is a number above 0. The outcome is known
// as soon as every connection before that one has answered otherwise.
class HostAnswers {
public:
    explicit HostAnswers(std::size_t count) : answers_(count, Answer::Open) {}

    // Takes one connection's answer; true once the outcome is known.
    bool take(std::size_t index, std::optional<long long> answer);
    bool known() const;
    // The index of the host, when the outcome is known and there is one.
    std::optional<std::size_t> host() const;

private:
    enum class Answer { Open, No, Yes };
    std::vector<Answer> answers_;
    std::size_t firstNotNo_ = 0; // every connection before it answered No
};

// The owner of the host's name is asked first; when it is not the host every other connection
// is asked at once. True when a host was found.
bool findRunningHost(BusDirectory& bus);

} // namespace vorrel
