// SPDX-License-Identifier: MIT
#pragma once

namespace vorrel {

// The orderly end of the run: every event loop stops, including those of open dialogs, and the
// dialogs' seams turn the end into Terminated so the handler that opened them does nothing more.
class ProgramLifetime {
public:
    void end();
    bool ending() const { return ending_; }

private:
    bool ending_ = false;
};

} // namespace vorrel
