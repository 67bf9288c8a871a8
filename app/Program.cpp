// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include "app/AppBusService.h"
#include "app/Errors.h"
#include "app/ProgramLifetime.h"
#include "app/QtAppWindows.h"
#include "app/QtClipboard.h"
#include "app/QtFileOutput.h"
#include "app/QtFilePicker.h"
#include "app/QtFolderPicker.h"
#include "app/QtHelp.h"
#include "app/QtMessageBoxes.h"
#include "app/QtScreen.h"
#include "app/QtSplash.h"
#include "app/SignalRelay.h"
#include "app/Wizard.h"
#include "chrome/Bitmaps.h"
#include "chrome/QtText.h"
#include "host/DBusHostLink.h"
#include "launch/QtProcessStarter.h"
#include "scripts/InsertionGenerator.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

namespace vorrel {

namespace {
// The example pages and the help file live here.
std::string programFolder() {
    return toStdString(QCoreApplication::applicationDirPath()) + "/";
}

// Where the folder picker starts: the folder the program was started in (the home folder, from
// the desktop's menu), or the home folder when that one cannot be written. The program's own
// folder is no place for the user's pages: installed, it is a system folder.
std::string pickerFolder() {
    const QFileInfo current(QDir::currentPath());
    return toStdString(current.isDir() && current.isWritable() ? current.absoluteFilePath()
                                                               : QDir::homePath());
}
} // namespace

int runProgram(QApplication& application) {
    application.setApplicationName(QStringLiteral("Vorrel"));
    // The icon of the caption bars, the message boxes and the desktop's task list, with the
    // doubles of its small sizes for screens of 200 %. The larger sizes are the desktop entry's;
    // decoding them here would only slow the start.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 44, 48, 64})
        icon.addPixmap(
            QPixmap::fromImage(readImage(QStringLiteral(":/icons/vorrel-%1.png").arg(size))));
    application.setWindowIcon(icon);
    // The wizard ends only on Cancel, a close box or message 1148, never because its windows
    // are all hidden for a moment.
    application.setQuitOnLastWindowClosed(false);

    ProgramLifetime lifetime;
    SignalRelay signalRelay([&lifetime] { lifetime.end(); });
    QDBusConnection bus = QDBusConnection::sessionBus();
    AppBusService busService(bus);
    QtMessageBoxes messages(lifetime);
    DBusHostLink host(bus, &lifetime);
    QtClipboard clipboard;
    QtFolderPicker folderPicker(lifetime);
    QtAppWindows windows(&lifetime);
    QtFileOutput files;
    InsertionGenerator insertion(
        {host, messages, clipboard, folderPicker, windows, files, pickerFolder()});

    QtFilePicker filePicker(lifetime);
    QtHelp help(toQString(programFolder() + "vorrel.hlp"), messages);

    QtProcessStarter processes;
    QtScreen screen;
    QtSplash splash;

    int exitCode = 0;
    try {
        Wizard wizard({messages, host, lifetime, insertion, filePicker, help, processes,
                       programFolder(), screen, splash});
        wizard.start();
        if (!lifetime.ending())
            exitCode = application.exec();
    } catch (const Terminated&) {
        // Asked to end while it was still starting, waiting for the bus.
    }
    clipboard.keepAfterExit(toQString(programFolder() + "vorrel-clipboard"));
    return exitCode;
}

} // namespace vorrel
