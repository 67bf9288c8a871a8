// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorrel {

enum class TWaitStyle { wRegular, wSuspend };

// What the program launcher needs of the system: starting a process and looking up the program
// that opens a document.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;

    struct Request {
        // The program (searched along PATH when it names no folder) and the arguments after it.
        std::vector<std::string> arguments;
        // The priority as a nice value, from -20 (highest) to 19 (lowest).
        int niceValue = 0;
    };

    // Starts the process, which then runs on its own; returns its process id. On failure returns
    // nothing and sets `error` (an errno value).
    virtual std::optional<int> start(const Request& request, int& error) = 0;

    // The command that opens `document` with the desktop's default application for its type,
    // as words; the document goes after them. Nothing, with `error` set, when the document does
    // not exist or nothing opens documents of its type.
    virtual std::optional<std::vector<std::string>> associatedProgram(const std::string& document,
                                                                      int& error) = 0;

    // Waits until the process ends. wSuspend blocks the program; wRegular keeps serving its
    // events meanwhile, and throws Terminated when the program is asked to end before the
    // process does.
    virtual void wait(int process, TWaitStyle style) = 0;
};

} // namespace vorrel
