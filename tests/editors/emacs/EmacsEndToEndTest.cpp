// SPDX-License-Identifier: MIT
// The wizard with Emacs as its host editor: a Clock chosen and finished in the wizard's windows
// goes over the session bus into the buffer open in the real Emacs, which then saves it.

#include "emacs/EmacsSession.h"

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
#include <QtTest>

using namespace vorrel;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

// Emacs's own save, asked for as the wizard asks.
QString saveInEmacs() {
    QDBusMessage message = QDBusMessage::createMethodCall("Wexdor4.Plugin", "/Wexdor4/Plugin",
                                                          "Wexdor4.Plugin", "forcesave");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message);
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

} // namespace

class EmacsEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void aClockFromTheWindowsLandsInEmacsBuffer() {
        QTemporaryDir site;
        const QString document = site.filePath("index.html");
        QFile file(document);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html>\r\n<head>\r\n<title>Doc</title>\r\n</head>\r\n<BODY bgcolor=\"white\">"
                   "\r\n<p>Before</p>\r\n<p>After</p>\r\n</body>\r\n</html>\r\n");
        file.close();
        test::EmacsSession emacs;
        // The cursor at the start of line 7 (6 from 0), "<p>After</p>".
        const QString started = emacs.start(document, 6, 0);
        QVERIFY2(started.isEmpty(), qPrintable(started));

        DBusHostLink link(QDBusConnection::sessionBus());
        QVERIFY(link.wexdorRunning());
        test::WizardDriver d;
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
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QVERIFY(d.press("op1fm/bb1"));
        QCOMPARE(d.messages.shown.size(), size_t(1));
        QCOMPARE(QString::fromStdString(d.messages.shown[0].text),
                 "JavaScript insertion complete.");

        QCOMPARE(saveInEmacs(), QString());
        QCOMPARE(readAll(document),
                 "<html>\r\n<head>\r\n<title>Doc</title>\r\n" + bytes(clockScriptBlock()) +
                     "</head>\r\n<BODY bgcolor=\"white\" onload=\"cstarttm()\" "
                     "onunload=\"cendtm()\">\r\n<p>Before</p>\r\n<h2>Clock</h2>\r\n" +
                     bytes(clockForm()) + "<p>After</p>\r\n</body>\r\n</html>\r\n");
    }
};

QTEST_MAIN(EmacsEndToEndTest)
#include "EmacsEndToEndTest.moc"
