// SPDX-License-Identifier: MIT
#include "app/ProgramLifetime.h"

#include <QCoreApplication>

namespace vorrel {

void ProgramLifetime::end() {
    ending_ = true;
    // Stops the main loop and every nested loop that runs inside it (message boxes, dialogs).
    QCoreApplication::exit(0);
}

} // namespace vorrel
