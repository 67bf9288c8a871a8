// SPDX-License-Identifier: MIT
#pragma once

#include "app/Platform.h"

namespace vorrel {

// The primary screen's colour depth.
class QtScreen : public Screen {
public:
    int colourDepth() override;
};

} // namespace vorrel
