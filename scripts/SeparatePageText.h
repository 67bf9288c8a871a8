// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardState.h"

#include <functional>
#include <string>

namespace vorrel {

// Called where a page hands its images over: with the list of files to copy (full paths, each
// followed by ";"), at the point of the page where the images are needed.
using PageCopyStep = std::function<void(const std::string& files)>;

// The whole text of the page of the state's tool. Every piece of it is followed by CR LF. The
// list tools run `copyStep` at their copy point; without a host they also note the files to
// upload there, as comment lines of the page.
std::string separatePageText(const WizardState& state, bool noHost, const PageCopyStep& copyStep);

} // namespace vorrel
