// SPDX-License-Identifier: MIT
#pragma once

#include "launch/ProcessStarter.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorrel {

// How the started program shows its first window, and the value the system's start-up
// information carries for it.
enum class TWindowStyle {
    wsNorm,
    wsMinimize,
    wsMaximize,
    wsHide,
    wsMinNoActivate,
    wsShowNoActivate
};
int showWindowValue(TWindowStyle style);

// The priority of the started process, and the nice value it stands for here.
enum class TPriorityClass { pcNormal, pcIdle, pcHigh, pcRealTime };
int niceValue(TPriorityClass priority);

// A text of at most 255 characters: a longer text is cut when it is assigned. Characters are
// counted in UTF-8, so a cut never splits one.
class InString {
public:
    static constexpr std::size_t kCapacity = 255;

    InString() = default;
    InString(std::string_view text) { *this = text; } // NOLINT: assigned like a text
    InString& operator=(std::string_view text);

    const std::string& str() const { return text_; }
    operator std::string_view() const { return text_; } // NOLINT

private:
    std::string text_;
};

// Cuts `text` after its first 255 characters.
std::string cutTo255(std::string_view text);

// Starts a program from a command line, or, when the command line names a document, the program
// that opens documents of its type, with the document; optionally waits for it to end.
class TExecFile {
public:
    explicit TExecFile(ProcessStarter& starter) : starter_(starter) {}

    bool Associate = false;
    InString CommandLine;
    InString Parameters;
    TPriorityClass Priority = TPriorityClass::pcNormal;
    bool Wait = false;
    TWaitStyle WaitStyle = TWaitStyle::wRegular;
    // Kept for the started program. No Linux desktop lets a program ask another for a minimised,
    // maximised, hidden or unactivated first window, so nothing is passed on.
    TWindowStyle WindowStyle = TWindowStyle::wsNorm;
    std::function<void(TExecFile& sender)> OnFail;

    // Starts the command line; when that fails and Associate is set, the document's program.
    // True only when it waited for the started process and the process has ended.
    bool Execute();

    // The errno value of the last failed start or look-up.
    int LastError() const { return lastError_; }
    // The command line of the last attempt, as one text: the program (or the associated
    // program's command and the document), a blank, the parameters; cut to 255 characters.
    const std::string& commandLineText() const { return commandLineText_; }

private:
    std::optional<int> attempt(const std::vector<std::string>& lead, std::string_view text,
                               std::size_t leadLength);
    bool fail();

    ProcessStarter& starter_;
    int lastError_ = 0;
    std::string commandLineText_;
};

} // namespace vorrel
