// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardState.h"

#include <string>

namespace vorrel {

// What a document receives when its tool lives on a page of its own: a button that opens the
// page, or a script that opens it as the document loads. Both open it with the window name made
// from the caption and the features chosen for the separate window.

// The third argument of window.open: the separate window's switches and size. Location bar and
// directory buttons are always off.
std::string windowFeatures(const WizardState& state);

// A form with one button; no line end after the form.
std::string launcherButton(const WizardState& state);

// A script block that opens the page at once; no line end after the block.
std::string autoOpenScript(const WizardState& state);

} // namespace vorrel
