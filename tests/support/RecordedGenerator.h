// SPDX-License-Identifier: MIT
#pragma once

#include "scripts/InsertionGenerator.h"
#include "support/RecordingPlatform.h"

namespace vorrel::test {

// The insertion generator with everything it does recorded in `log`: a host whose document
// lives in /site/, and a platform that keeps files and clipboard in memory. Two of them given
// the same state do the same.
struct RecordedGenerator {
    EventLog log;
    RecordingLink link{log};
    RecordingPlatform platform{log};
    InsertionGenerator generator{services()};

    // What the core makes of `state`, from here on.
    void run(const WizardState& state, bool noHost) {
        InsertionPlan plan;
        generator.generateInsertion(state, noHost, plan);
    }

private:
    InsertionServices services() {
        link.host->answers["getworkdir"] = {"/site/"};
        return {link, platform, platform, platform, platform, platform, "/vorrel/"};
    }
};

} // namespace vorrel::test
