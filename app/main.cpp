#include "app/Program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Without a display Qt gives up inside the application's construction with a fatal message that
// blames the installation. This says what is missing instead, in one sentence, and ends the
// program with code 1, as any other failure to start does.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Vorrel needs a graphical display: set DISPLAY or WAYLAND_DISPLAY "
                             "to a running one (for example start Xvfb :99 and use "
                             "DISPLAY=:99).\n");
        std::_Exit(1);
    }
    // The platform's own complaints about the display would only repeat that sentence.
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

int main(int argc, char** argv) {
    const QtMessageHandler standard = qInstallMessageHandler(startupMessages);
    QApplication application(argc, argv);
    qInstallMessageHandler(standard);
    return vorrel::runProgram(application);
}
