// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardState.h"
#include "scripts/InsertionPlan.h"

namespace vorrel {

// What Finished runs: builds the insertion from the wizard's values into `plan` and delivers it.
// Problems the user can fix are reported by the runner itself and it returns normally; a failing
// host call or page write ends it with an Error.
class InsertionRunner {
public:
    virtual ~InsertionRunner() = default;
    virtual void generateInsertion(const WizardState& state, bool noHost, InsertionPlan& plan) = 0;
};

} // namespace vorrel
