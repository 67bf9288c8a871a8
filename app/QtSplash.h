// SPDX-License-Identifier: MIT
#pragma once

#include "app/Platform.h"

namespace vorrel {

// Shows a fresh splash window modally and releases it when it has closed.
class QtSplash : public Splash {
public:
    void show() override;
};

} // namespace vorrel
