// SPDX-License-Identifier: MIT
#include "launch/TExecFile.h"

#include <algorithm>

namespace vorrel {

namespace {

// The words of a text, split at blanks.
std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> found;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(" \t", pos)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t", pos), text.size());
        found.emplace_back(text.substr(pos, end - pos));
        pos = end;
    }
    return found;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : " ") + part;
    return text;
}

} // namespace

int showWindowValue(TWindowStyle style) {
    switch (style) {
    case TWindowStyle::wsNorm:
        return 1;
    case TWindowStyle::wsMinimize:
        return 2;
    case TWindowStyle::wsMaximize:
        return 3;
    case TWindowStyle::wsHide:
        return 0;
    case TWindowStyle::wsMinNoActivate:
        return 7;
    case TWindowStyle::wsShowNoActivate:
        return 8;
    }
    return 1;
}

// The nice values of the four classes. Idle is the lowest priority there is. Raising a priority
// above normal (a negative nice value) needs privileges most users lack (RLIMIT_NICE, or
// CAP_SYS_NICE): the process then gets the highest priority the user may set. Real-time
// scheduling proper (SCHED_FIFO) is not asked for; it is the highest nice value instead.
int niceValue(TPriorityClass priority) {
    switch (priority) {
    case TPriorityClass::pcNormal:
        return 0;
    case TPriorityClass::pcIdle:
        return 19;
    case TPriorityClass::pcHigh:
        return -10;
    case TPriorityClass::pcRealTime:
        return -20;
    }
    return 0;
}

std::string cutTo255(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > InString::kCapacity)
            return std::string(text.substr(0, i));
    }
    return std::string(text);
}

InString& InString::operator=(std::string_view text) {
    text_ = cutTo255(text);
    return *this;
}

bool TExecFile::Execute() {
    const std::string& target = CommandLine.str();
    std::optional<int> process = attempt({target}, target + " " + Parameters.str(), target.size());
    if (!process && Associate) {
        int error = 0;
        const auto program = starter_.associatedProgram(target, error);
        if (!program) {
            lastError_ = error;
            return fail();
        }
        std::vector<std::string> lead = *program;
        lead.push_back(target);
        const std::string command = joined(*program) + " " + target;
        process = attempt(lead, command + " " + Parameters.str(), command.size());
    }
    if (!process)
        return fail();
    if (!Wait)
        return false;
    starter_.wait(*process, WaitStyle);
    return true;
}

// One start. `text` is the whole command line: the lead words (the program, or the associated
// program's command and the document), `leadLength` characters of it, then a blank and the
// parameters. The process gets what is left of them after the cut at 255 characters: the
// parameters' words, or a shortened last lead word when the cut reaches into the lead.
std::optional<int> TExecFile::attempt(const std::vector<std::string>& lead, std::string_view text,
                                      std::size_t leadLength) {
    commandLineText_ = cutTo255(text);
    ProcessStarter::Request request;
    request.arguments = lead;
    if (commandLineText_.size() < leadLength) {
        std::string& last = request.arguments.back();
        last.resize(last.size() - std::min(last.size(), leadLength - commandLineText_.size()));
    } else if (commandLineText_.size() > leadLength) {
        for (std::string& word : words(std::string_view(commandLineText_).substr(leadLength)))
            request.arguments.push_back(std::move(word));
    }
    request.niceValue = niceValue(Priority);
    int error = 0;
    const std::optional<int> process = starter_.start(request, error);
    if (!process)
        lastError_ = error;
    return process;
}

bool TExecFile::fail() {
    if (OnFail)
        OnFail(*this);
    return false;
}

} // namespace vorrel
