// SPDX-License-Identifier: MIT
#pragma once

#include "launch/ProcessStarter.h"

#include <QObject>

#include <map>
#include <memory>

namespace vorrel {

class ProcessWatch;

// Processes started on their own: each in a new session (so that a signal to the program's
// terminal or process group does not reach it), with the caller's environment and folder. A
// process nobody waits for is collected when it ends, so none is left as a zombie.
//
// The program that opens a document is the desktop's default application for the document's
// content type (GIO, from the shared MIME database and mimeapps.list), whose Exec line is split
// into words with its field codes dropped.
class QtProcessStarter : public QObject, public ProcessStarter {
    Q_OBJECT

public:
    explicit QtProcessStarter(QObject* parent = nullptr);
    ~QtProcessStarter() override;

    std::optional<int> start(const Request& request, int& error) override;
    std::optional<std::vector<std::string>> associatedProgram(const std::string& document,
                                                              int& error) override;
    void wait(int process, TWaitStyle style) override;

private:
    // Collects the process once it has ended.
    void collectWhenEnded(int process);

    std::map<int, std::unique_ptr<ProcessWatch>> watches_;
};

} // namespace vorrel
