// SPDX-License-Identifier: MIT
// The wizard with VS Code as its host editor: a Clock chosen and finished in the wizard's windows
// goes over the session bus into the document open in code-server's workbench, which then saves
// it with VS Code's own save.

#include "app/ProgramLifetime.h"
#include "app/QtAppWindows.h"
#include "app/QtClipboard.h"
#include "app/QtFileOutput.h"
#include "app/QtFolderPicker.h"
#include "host/DBusHostLink.h"
#include "scripts/InsertionGenerator.h"
#include "scripts/ToolTemplates.h"
#include "support/VsCodeWorkbench.h"
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

QDBusMessage callHost(const QString& method) {
    QDBusMessage message = QDBusMessage::createMethodCall("Wexdor4.Plugin", "/Wexdor4/Plugin",
                                                          "Wexdor4.Plugin", method);
    return QDBusConnection::sessionBus().call(message);
}

// VS Code's own save, asked for as the wizard asks.
QString saveInVsCode() {
    const QDBusMessage reply = callHost("forcesave");
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

// The folder of the document the extension sees.
QString hostFolder() {
    return callHost("getworkdir").arguments().value(0).toString();
}

} // namespace

class VsCodeEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void aClockFromTheWindowsLandsInVsCodesDocument() {
        QTemporaryDir site;
        const QString document = site.filePath("index.html");
        QFile file(document);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html>\r\n<head>\r\n<title>Doc</title>\r\n</head>\r\n<BODY bgcolor=\"white\">"
                   "\r\n<p>Before</p>\r\n<p>After</p>\r\n</body>\r\n</html>\r\n");
        file.close();
        test::VsCodeWorkbench vscode;
        QVERIFY2(vscode.start(), qPrintable(vscode.failure));
        // The cursor at the start of line 7, "<p>After</p>".
        QVERIFY2(vscode.open(document, 6), qPrintable(vscode.failure));

        // The extension host hears of the editor just after the page shows it.
        QTRY_COMPARE_WITH_TIMEOUT(hostFolder(), site.path() + "/", 30000);
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

        QCOMPARE(saveInVsCode(), QString());
        QCOMPARE(readAll(document),
                 "<html>\r\n<head>\r\n<title>Doc</title>\r\n" + bytes(clockScriptBlock()) +
                     "</head>\r\n<BODY bgcolor=\"white\" onload=\"cstarttm()\" "
                     "onunload=\"cendtm()\">\r\n<p>Before</p>\r\n<h2>Clock</h2>\r\n" +
                     bytes(clockForm()) + "<p>After</p>\r\n</body>\r\n</html>\r\n");
    }
};

QTEST_MAIN(VsCodeEndToEndTest)
#include "VsCodeEndToEndTest.moc"
