// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// While the application starts, Qt says why no window system plugin could start, in lines of its
// own and in a fatal one; all of them pass unchanged. After the fatal one this adds what the user
// can do, in one sentence, and ends the program with code 1, as any other failure to start does.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    if (type != QtFatalMsg)
        return;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        std::fprintf(stderr, "Vorrel needs a graphical display: set DISPLAY or WAYLAND_DISPLAY "
                             "to a running one (for example start Xvfb :99 and use "
                             "DISPLAY=:99).\n");
    else
        std::fprintf(stderr, "Vorrel could not open its windows: Qt's reason is above.\n");
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv) {
    const QtMessageHandler standard = qInstallMessageHandler(startupMessages);
    QApplication application(argc, argv);
    qInstallMessageHandler(standard);
    return vorrel::runProgram(application);
}
