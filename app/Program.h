// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace vorrel {

// The whole run: creates the program's services and windows, runs the event loop until the
// program ends, and returns the exit code.
int runProgram(QApplication& application);

} // namespace vorrel
