// SPDX-License-Identifier: MIT
// Asked to end during a regular wait: runs `sleep 10` from the event loop, waits for it with the
// events served, and is asked to end with code 7 meanwhile. It must end with that code, at once.

#include "app/Errors.h"
#include "launch/QtProcessStarter.h"
#include "launch/TExecFile.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    vorrel::QtProcessStarter processes;
    vorrel::TExecFile exec(processes);
    exec.CommandLine = "sleep";
    exec.Parameters = "10";
    exec.Wait = true;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(200, [] { QCoreApplication::exit(7); });
        try {
            exec.Execute();
        } catch (const vorrel::Terminated&) {
        }
    });
    return application.exec();
}
