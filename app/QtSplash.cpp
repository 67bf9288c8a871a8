// SPDX-License-Identifier: MIT
#include "app/QtSplash.h"

#include "app/TfrmSplash.h"

namespace vorrel {

void QtSplash::show() {
    TfrmSplash splash;
    splash.exec();
}

} // namespace vorrel
