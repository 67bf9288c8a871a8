// SPDX-License-Identifier: MIT
#pragma once

// What every host's end-to-end test shares: the CR LF page it opens, a Clock chosen and finished
// in the wizard's windows with the host on the session bus, the host's own save, and the page
// the file must then hold.

#include "app/ProgramLifetime.h"
#include "app/QtAppWindows.h"
#include "app/QtClipboard.h"
#include "app/QtFileOutput.h"
#include "app/QtFolderPicker.h"
#include "host/DBusHostLink.h"
#include "scripts/InsertionGenerator.h"
#include "scripts/ToolTemplates.h"
#include "support/WizardDriver.h"

#include <QDBusMessage>
#include <QFile>
#include <QTemporaryDir>

namespace vorrel::test {

// Writes the page into `site` and returns its path; the test opens it with the cursor at the
// start of line 7, "<p>After</p>".
inline QString writeClockPage(const QTemporaryDir& site) {
    const QString document = site.filePath("index.html");
    QFile file(document);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("<html>\r\n<head>\r\n<title>Doc</title>\r\n</head>\r\n<BODY bgcolor=\"white\">"
               "\r\n<p>Before</p>\r\n<p>After</p>\r\n</body>\r\n</html>\r\n");
    return document;
}

inline QByteArray bytesOf(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

// The page once the Clock is in: the script before </head>, the handlers in the body tag, the
// heading and form at the cursor.
inline QByteArray clockPageAfterInsertion() {
    return "<html>\r\n<head>\r\n<title>Doc</title>\r\n" + bytesOf(clockScriptBlock()) +
           "</head>\r\n<BODY bgcolor=\"white\" onload=\"cstarttm()\" "
           "onunload=\"cendtm()\">\r\n<p>Before</p>\r\n<h2>Clock</h2>\r\n" +
           bytesOf(clockForm()) + "<p>After</p>\r\n</body>\r\n</html>\r\n";
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The host's own save, asked for as the wizard asks: "" once saved, else the host's error.
inline QString saveInHost() {
    QDBusMessage message = QDBusMessage::createMethodCall("Wexdor4.Plugin", "/Wexdor4/Plugin",
                                                          "Wexdor4.Plugin", "forcesave");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message);
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

// A Clock chosen on the tool picker and finished on its options page, shown in the current page;
// returns the one message the wizard then shows, or what went wrong.
inline QString insertClockFromTheWizard() {
    DBusHostLink link(QDBusConnection::sessionBus());
    if (!link.wexdorRunning())
        return QStringLiteral("no host on the bus");
    WizardDriver d;
    QtClipboard clipboard;
    ProgramLifetime lifetime;
    QtFolderPicker folderPicker{lifetime};
    QtAppWindows windows;
    QtFileOutput files;
    InsertionGenerator generator(
        {link, d.messages, clipboard, folderPicker, windows, files, "/nonexistent/"});
    d.host.running = true;
    d.start(&generator);
    d.pickTool("Clock");
    if (!d.press("ToolPickerForm/BitBtn1") || !d.press("op1fm/bb1"))
        return QStringLiteral("the wizard's buttons could not be pressed");
    if (d.messages.shown.size() != 1)
        return QStringLiteral("%1 messages shown").arg(d.messages.shown.size());
    return QString::fromStdString(d.messages.shown[0].text);
}

} // namespace vorrel::test
