// SPDX-License-Identifier: MIT
#pragma once

#include "app/Platform.h"

namespace vorrel {

// Page files written beside their target and renamed over it only when complete.
class QtFileOutput : public FileOutput {
public:
    PathKind kindOf(const std::string& path) override;
    std::unique_ptr<OutputFile> create(const std::string& path) override;
};

} // namespace vorrel
