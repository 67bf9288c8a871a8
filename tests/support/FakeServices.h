// SPDX-License-Identifier: MIT
#pragma once

#include "app/Errors.h"
#include "app/Platform.h"
#include "host/HostEditorLink.h"
#include "launch/ProcessStarter.h"
#include "scripts/InsertionRunner.h"

#include <cerrno>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorrel::test {

// Message boxes that record what the user would have seen.
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::string kind; // "plain", "information", "error" or "question"
        std::string text;
        bool operator==(const Shown&) const = default;
    };
    std::vector<Shown> shown;
    bool answerYes = false;

    void showPlain(const std::string& text) override { shown.push_back({"plain", text}); }
    bool askYesNo(const std::string& text) override {
        shown.push_back({"question", text});
        return answerYes;
    }
    void showInformation(const std::string& text) override {
        shown.push_back({"information", text});
    }
    void showError(const std::string& text) override { shown.push_back({"error", text}); }
};

// Help that records the topics asked for: "topic 1" for the help window, "popup 8" for a pop-up
// at the mouse, "popup 8 at 120,45" for one at a point of the screen.
class RecordingHelp : public Help {
public:
    std::vector<std::string> shown;
    void showTopic(int topic) override { shown.push_back("topic " + std::to_string(topic)); }
    void showPopup(int topic) override { shown.push_back("popup " + std::to_string(topic)); }
    void showPopupAt(int topic, int x, int y) override {
        shown.push_back("popup " + std::to_string(topic) + " at " + std::to_string(x) + "," +
                        std::to_string(y));
    }
};

// A file-open dialog answered from a script: each call takes the next answer (nothing: the
// user cancels) and records the filters it was opened with.
class ScriptedFilePicker : public FilePicker {
public:
    std::deque<std::optional<std::string>> answers;
    std::vector<std::vector<std::string>> opened;
    std::optional<std::string> pickFile(const std::vector<std::string>& filters) override {
        opened.push_back(filters);
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Processes that are only recorded, as lines: "start a b", "look up DOC", "wait 7 regular".
// Only the programs in `programs` start; others fail as a document would. `association` is the
// command that opens documents, if any.
class RecordingProcesses : public ProcessStarter {
public:
    std::vector<std::string> log;
    std::vector<std::string> programs;
    std::optional<std::vector<std::string>> association;
    std::vector<int> niceValues;

    std::optional<int> start(const Request& request, int& error) override {
        std::string line = "start";
        for (const std::string& argument : request.arguments)
            line += " " + argument;
        log.push_back(line);
        niceValues.push_back(request.niceValue);
        for (const std::string& program : programs)
            if (program == request.arguments.front())
                return int(log.size());
        error = EACCES;
        return std::nullopt;
    }
    std::optional<std::vector<std::string>> associatedProgram(const std::string& document,
                                                              int& error) override {
        log.push_back("look up " + document);
        if (!association)
            error = ENOEXEC;
        return association;
    }
    void wait(int process, TWaitStyle style) override {
        log.push_back("wait " + std::to_string(process) +
                      (style == TWaitStyle::wRegular ? " regular" : " suspend"));
    }
};

// A screen of the colour depth the test sets.
class FixedScreen : public Screen {
public:
    int depth = 24;
    int colourDepth() override { return depth; }
};

// A splash that only counts its showings.
class CountingSplash : public Splash {
public:
    int shown = 0;
    void show() override { ++shown; }
};

// A host link whose answers the test sets.
class FakeHostLink : public HostEditorLink {
public:
    bool running = false;
    int runningAsked = 0;
    std::function<std::shared_ptr<HostObject>()> connector = [] {
        throw HostError("no host in this test");
        return std::shared_ptr<HostObject>();
    };

    bool wexdorRunning() override {
        ++runningAsked;
        return running;
    }
    std::shared_ptr<HostObject> connect() override { return connector(); }
};

// Records every insertion it is asked for; can be told to fail like a host call.
class RecordingInsertion : public InsertionRunner {
public:
    struct Run {
        WizardState state;
        bool noHost;
    };
    std::vector<Run> runs;
    std::string failWith;
    InsertionPlan planSeen;

    void generateInsertion(const WizardState& state, bool noHost, InsertionPlan& plan) override {
        planSeen = plan;
        runs.push_back({state, noHost});
        if (!failWith.empty())
            throw HostError(failWith);
        plan.headText = "head of run " + std::to_string(runs.size());
        plan.cursorText = "cursor";
        plan.bodyText = "body";
        plan.bodyTagText = " tag";
    }
};

} // namespace vorrel::test
