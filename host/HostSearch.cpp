// SPDX-License-Identifier: MIT
#include "host/HostSearch.h"

#include <algorithm>

namespace vorrel {

namespace {
bool isUniqueName(const std::string& name) {
    return !name.empty() && name.front() == ':';
}

bool isHostAnswer(std::optional<long long> answer) {
    return answer && *answer > 0;
}
} // namespace

HostCandidates findHostCandidates(BusDirectory& bus) {
    HostCandidates candidates;
    const std::string self = bus.ownConnection();
    if (auto owner = bus.ownerOf(wexdor4::kBusName); owner && *owner != self)
        candidates.owner = *owner;
    for (const std::string& name : bus.names()) {
        if (!isUniqueName(name) || name == self || name == candidates.owner)
            continue;
        if (std::find(candidates.others.begin(), candidates.others.end(), name) ==
            candidates.others.end())
            candidates.others.push_back(name);
    }
    return candidates;
}

std::vector<std::string> hostCandidates(BusDirectory& bus) {
    HostCandidates candidates = findHostCandidates(bus);
    std::vector<std::string> order;
    if (candidates.owner)
        order.push_back(*candidates.owner);
    order.insert(order.end(), candidates.others.begin(), candidates.others.end());
    return order;
}

bool HostAnswers::take(std::size_t index, std::optional<long long> answer) {
    if (index < answers_.size() && answers_[index] == Answer::Open)
        answers_[index] = isHostAnswer(answer) ? Answer::Yes : Answer::No;
    while (firstNotNo_ < answers_.size() && answers_[firstNotNo_] == Answer::No)
        ++firstNotNo_;
    return known();
}

bool HostAnswers::known() const {
    return firstNotNo_ == answers_.size() || answers_[firstNotNo_] == Answer::Yes;
}

std::optional<std::size_t> HostAnswers::host() const {
    if (firstNotNo_ < answers_.size() && answers_[firstNotNo_] == Answer::Yes)
        return firstNotNo_;
    return std::nullopt;
}

bool findRunningHost(BusDirectory& bus) {
    const HostCandidates candidates = findHostCandidates(bus);
    if (candidates.owner && isHostAnswer(bus.askIsRunning(*candidates.owner)))
        return true;
    if (candidates.others.empty())
        return false;
    HostAnswers answers(candidates.others.size());
    bus.askAllIsRunning(candidates.others, [&answers](std::size_t index, auto answer) {
        return answers.take(index, answer);
    });
    return answers.host().has_value();
}

} // namespace vorrel
