// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

#include <sys/types.h>

namespace vorrel {

// A program that keeps the clipboard's text after Vorrel has ended. It runs in a session of its
// own, so that the end of Vorrel's terminal or session leader does not take it along, reads the
// text on its standard input and writes nowhere. Nothing here waits for it: the program ends
// whenever it likes, and one that is still running when Vorrel ends simply goes on.
class KeeperProcess {
public:
    // False when it could not be started at all (no such program, no memory for the text).
    bool start(const QString& program, const QStringList& arguments, const std::string& input);

    // Its exit code once it has ended (-1 when a signal ended it); nothing while it runs.
    std::optional<int> exitCode();

private:
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

} // namespace vorrel
