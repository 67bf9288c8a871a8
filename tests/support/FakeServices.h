#pragma once

#include "app/Errors.h"
#include "app/Platform.h"
#include "host/HostEditorLink.h"
#include "scripts/InsertionRunner.h"

#include <functional>
#include <string>
#include <vector>

namespace vorrel::test {

// Message boxes that record what the user would have seen.
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::string kind; // "plain", "information" or "error"
        std::string text;
        bool operator==(const Shown&) const = default;
    };
    std::vector<Shown> shown;

    void showPlain(const std::string& text) override { shown.push_back({"plain", text}); }
    void showInformation(const std::string& text) override {
        shown.push_back({"information", text});
    }
    void showError(const std::string& text) override { shown.push_back({"error", text}); }
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
