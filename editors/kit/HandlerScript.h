// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace kit {

// How an event handler's script ends, as a browser's JavaScript reads it: whether code written
// after it still runs.
struct HandlerScript {
    enum class End {
        Code,         // after a complete statement or expression
        LineComment,  // inside "//", "<!--" or a "-->" that begins its line
        BlockComment, // inside a "/*" that is never closed
        Unfinished,   // inside a string, template or regular expression, or a bracket left open
    };
    End end = End::Code;
    bool leaves = false; // has a "return" or "throw", which may leave before code after it

    explicit HandlerScript(std::string_view script);
};

// How two handlers' scripts become one that runs `first` and then `second`: the script is
// `before` + first + `between` + second + `after`. Where `first` is plain (no "return" or
// "throw", no open comment) they are only joined by a ";" (or a line end after a line comment);
// otherwise `first` runs in a try block and `second` in its finally block, so that it runs
// whatever `first` does.
struct JoinedScripts {
    std::string before;
    std::string between;
    std::string after;
};

// Throws PlacementError when `first`, the page's handler `name`, is not complete script: a
// browser runs neither it nor anything joined to it.
JoinedScripts joinedHandlers(std::string_view name, std::string_view first,
                             std::string_view second);

} // namespace kit
