// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>

namespace vorrel::test {

// Asks a process the test started to end, as the desktop would at logout, and kills it when it
// has not ended within `graceMs`.
inline void endProcess(QProcess& process, int graceMs = 10000) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(graceMs))
        process.kill();
    process.waitForFinished(5000);
}

} // namespace vorrel::test
