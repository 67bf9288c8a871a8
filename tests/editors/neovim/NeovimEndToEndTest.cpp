// SPDX-License-Identifier: MIT
// The wizard with Neovim as its host editor: a Clock chosen and finished in the wizard's windows
// goes over the session bus, through the plugin's bridge, into the document open in a headless
// Neovim, which then saves it with its own :write.

#include "app/ProgramLifetime.h"
#include "app/QtAppWindows.h"
#include "app/QtClipboard.h"
#include "app/QtFileOutput.h"
#include "app/QtFolderPicker.h"
#include "host/DBusHostLink.h"
#include "scripts/InsertionGenerator.h"
#include "scripts/ToolTemplates.h"
#include "support/NeovimSession.h"
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

QString saveInNeovim() {
    QDBusMessage message = QDBusMessage::createMethodCall("Wexdor4.Plugin", "/Wexdor4/Plugin",
                                                          "Wexdor4.Plugin", "forcesave");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message);
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

} // namespace

class NeovimEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void aClockFromTheWindowsLandsInNeovimsDocument() {
        QTemporaryDir site;
        const QString document = site.filePath("index.html");
        QFile file(document);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html>\r\n<head>\r\n<title>Doc</title>\r\n</head>\r\n<BODY bgcolor=\"white\">"
                   "\r\n<p>Before</p>\r\n<p>After</p>\r\n</body>\r\n</html>\r\n");
        file.close();
        QVERIFY(QDir(site.path()).mkdir("nvim"));
        test::NeovimSession nvim;
        // The cursor at the start of line 7, "<p>After</p>".
        QVERIFY2(nvim.start(site.filePath("nvim"), {"+7", document}), qPrintable(nvim.failure));

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

        QCOMPARE(saveInNeovim(), QString());
        QCOMPARE(readAll(document),
                 "<html>\r\n<head>\r\n<title>Doc</title>\r\n" + bytes(clockScriptBlock()) +
                     "</head>\r\n<BODY bgcolor=\"white\" onload=\"cstarttm()\" "
                     "onunload=\"cendtm()\">\r\n<p>Before</p>\r\n<h2>Clock</h2>\r\n" +
                     bytes(clockForm()) + "<p>After</p>\r\n</body>\r\n</html>\r\n");
        // The wizard's three puts are three steps of Neovim's undo history.
        const QVariantList undo = nvim.lua("local t = vim.fn.undotree() return {t.seq_last, "
                                           "t.seq_cur}")
                                      .toList();
        QCOMPARE(undo, (QVariantList{qint64(3), qint64(3)}));
    }
};

QTEST_MAIN(NeovimEndToEndTest)
#include "NeovimEndToEndTest.moc"
