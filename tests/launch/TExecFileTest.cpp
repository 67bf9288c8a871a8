// SPDX-License-Identifier: MIT
#include "launch/TExecFile.h"
#include "support/FakeServices.h"

#include <gtest/gtest.h>

namespace vorrel {
namespace {

using Log = std::vector<std::string>;

struct Launch {
    test::RecordingProcesses processes;
    TExecFile exec{processes};
    int failures = 0;
    Launch() {
        exec.OnFail = [this](TExecFile& sender) {
            EXPECT_EQ(&sender, &exec);
            ++failures;
        };
    }
};

TEST(TExecFile, DefaultsAndTheirSystemValues) {
    test::RecordingProcesses processes;
    const TExecFile exec(processes);
    EXPECT_FALSE(exec.Associate);
    EXPECT_FALSE(exec.Wait);
    EXPECT_EQ(exec.WaitStyle, TWaitStyle::wRegular);
    EXPECT_EQ(exec.Priority, TPriorityClass::pcNormal);
    EXPECT_EQ(exec.WindowStyle, TWindowStyle::wsNorm);
    const std::pair<TWindowStyle, int> shows[] = {
        {TWindowStyle::wsNorm, 1},          {TWindowStyle::wsMinimize, 2},
        {TWindowStyle::wsMaximize, 3},      {TWindowStyle::wsHide, 0},
        {TWindowStyle::wsMinNoActivate, 7}, {TWindowStyle::wsShowNoActivate, 8}};
    for (const auto& [style, value] : shows)
        EXPECT_EQ(showWindowValue(style), value);
    EXPECT_EQ(niceValue(TPriorityClass::pcNormal), 0);
    EXPECT_EQ(niceValue(TPriorityClass::pcIdle), 19);
    EXPECT_LT(niceValue(TPriorityClass::pcRealTime), niceValue(TPriorityClass::pcHigh));
    EXPECT_LT(niceValue(TPriorityClass::pcHigh), 0);
}

TEST(TExecFile, AProgramStartsDirectlyWithoutLookingUpAnAssociation) {
    Launch l;
    l.processes.programs = {"/usr/bin/tool"};
    l.exec.Associate = true;
    l.exec.CommandLine = "/usr/bin/tool";
    l.exec.Parameters = "-a  b";
    l.exec.Priority = TPriorityClass::pcIdle;
    EXPECT_FALSE(l.exec.Execute()); // started, not waited for
    EXPECT_EQ(l.processes.log, Log{"start /usr/bin/tool -a b"});
    EXPECT_EQ(l.processes.niceValues, std::vector<int>{19});
    EXPECT_EQ(l.exec.commandLineText(), "/usr/bin/tool -a  b");
    EXPECT_EQ(l.failures, 0);
}

TEST(TExecFile, ADocumentFailsWithoutAssociateAndOpensWithIt) {
    Launch l;
    l.exec.CommandLine = "/my pages/clock.htm";
    EXPECT_FALSE(l.exec.Execute());
    EXPECT_EQ(l.processes.log, Log{"start /my pages/clock.htm"});
    EXPECT_EQ(l.exec.commandLineText(), "/my pages/clock.htm "); // the blank stays
    EXPECT_EQ(l.failures, 1);
    EXPECT_EQ(l.exec.LastError(), EACCES);

    l.exec.Associate = true;
    l.processes.log.clear();
    l.processes.association = std::vector<std::string>{"viewer", "--new"};
    l.processes.programs = {"viewer"};
    EXPECT_FALSE(l.exec.Execute());
    EXPECT_EQ(l.processes.log, (Log{"start /my pages/clock.htm", "look up /my pages/clock.htm",
                                    "start viewer --new /my pages/clock.htm"}));
    EXPECT_EQ(l.exec.commandLineText(), "viewer --new /my pages/clock.htm ");
    EXPECT_EQ(l.failures, 1);

    // Nothing opens it: the look-up's error, and no second start.
    l.processes.log.clear();
    l.processes.association.reset();
    EXPECT_FALSE(l.exec.Execute());
    EXPECT_EQ(l.processes.log, (Log{"start /my pages/clock.htm", "look up /my pages/clock.htm"}));
    EXPECT_EQ(l.failures, 2);
    EXPECT_EQ(l.exec.LastError(), ENOEXEC);
}

TEST(TExecFile, CommandLinesAreCutAt255CharactersInBothAttempts) {
    Launch l;
    const std::string document = "/" + std::string(249, 'd'); // 250 characters
    l.exec.Associate = true;
    l.exec.CommandLine = document;
    l.exec.Parameters = "abcdefgh ij";
    l.processes.association = std::vector<std::string>{"viewer"};
    l.processes.programs = {"viewer"};
    l.exec.Execute();
    ASSERT_EQ(l.processes.log.size(), 3u);
    EXPECT_EQ(l.processes.log[0], "start " + document + " abcd");
    // "viewer " and the document are 257 characters: the document loses its last two.
    EXPECT_EQ(l.processes.log[2], "start viewer " + document.substr(0, 248));
    EXPECT_EQ(l.exec.commandLineText(), "viewer " + document.substr(0, 248));

    InString text(std::string(300, 'x'));
    EXPECT_EQ(text.str().size(), 255u);
    text = std::string(254, 'x') + "éé";
    EXPECT_EQ(text.str(), std::string(254, 'x') + "é"); // a character is never split
}

TEST(TExecFile, ReturnsTrueOnlyWhenItWaitedForTheProcess) {
    for (TWaitStyle style : {TWaitStyle::wRegular, TWaitStyle::wSuspend}) {
        Launch l;
        l.processes.programs = {"sleep"};
        l.exec.CommandLine = "sleep";
        l.exec.Parameters = "1";
        l.exec.Wait = true;
        l.exec.WaitStyle = style;
        EXPECT_TRUE(l.exec.Execute());
        EXPECT_EQ(l.processes.log.back(),
                  style == TWaitStyle::wRegular ? "wait 1 regular" : "wait 1 suspend");
    }
    Launch failing;
    failing.exec.Wait = true;
    failing.exec.CommandLine = "nothing";
    EXPECT_FALSE(failing.exec.Execute());
    EXPECT_EQ(failing.processes.log, Log{"start nothing"});
}

} // namespace
} // namespace vorrel
