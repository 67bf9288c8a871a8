// SPDX-License-Identifier: MIT
// vorrel-clipboard: keeps a text on the X11 clipboard after Vorrel has ended, until another
// program puts something else there, or until the desktop's clipboard manager has taken it over.
// The text comes on standard input; Vorrel starts this program in a session of its own as it
// ends, and ends once this program owns the clipboard.

#include "ClipboardManagerHandover.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

int main(int argc, char** argv) {
    // It is an X11 client whatever the session prefers: it keeps the text in the X selection.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    auto* x11 = application.nativeInterface<QNativeInterface::QX11Application>();
    QFile input;
    if (!x11 || !input.open(stdin, QIODevice::ReadOnly))
        return 1;
    const QString text = QString::fromUtf8(input.readAll());
    if (text.isEmpty())
        return 1;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (!clipboard->ownsClipboard())
        return 1;
    QObject::connect(clipboard, &QClipboard::dataChanged, &application, [clipboard] {
        if (!clipboard->ownsClipboard())
            QGuiApplication::quit();
    });
    ClipboardManagerHandover handover(x11->connection());
    QObject::connect(&handover, &ClipboardManagerHandover::saved, &application,
                     &QGuiApplication::quit);
    handover.ask();
    return application.exec();
}
