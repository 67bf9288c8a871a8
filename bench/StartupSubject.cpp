// SPDX-License-Identifier: MIT
// What the start-up benchmark starts: the wizard, or a bare Qt window with one label. Either ends
// as soon as its first window has been drawn, so that the time from start to exit is the time
// from start to the window on the screen.
//   startup_subject wizard|bare

#include "app/Program.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <unistd.h>

namespace {

// Ends the process right after `windowName`'s first paint has been handled.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QString windowName) : windowName_(std::move(windowName)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == windowName_)
            QTimer::singleShot(0, [] { ::_exit(0); });
        return false;
    }

private:
    QString windowName_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool bare = argc > 1 && QByteArray(argv[1]) == "bare";
    FirstPaint firstPaint(bare ? QStringLiteral("bare") : QStringLiteral("ToolPickerForm"));
    application.installEventFilter(&firstPaint);
    if (!bare)
        return vorrel::runProgram(application);
    QLabel label(QStringLiteral("Vorrel"));
    label.setObjectName(QStringLiteral("bare"));
    label.show();
    return application.exec();
}
