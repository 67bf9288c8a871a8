// SPDX-License-Identifier: MIT
// The real gedit with the plugin, beyond the conformance table: a Clock inserted from the wizard's
// windows lands in gedit's document (heading and form at gedit's cursor, the script before
// </head>, the handlers in the body tag), and a Save As the user cancels is an error.

#include "app/QtAppWindows.h"
#include "app/QtClipboard.h"
#include "app/QtFileOutput.h"
#include "app/QtFolderPicker.h"
#include "editors/gedit/GeditSession.h"
#include "host/DBusHostLink.h"
#include "scripts/InsertionGenerator.h"
#include "scripts/ToolTemplates.h"
#include "support/WizardDriver.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFile>
#include <QProcess>
#include <QtTest>

using namespace vorrel;

namespace {

QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

QDBusMessage call(const QString& method, const QVariantList& args = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall("Wexdor4.Plugin", "/Wexdor4/Plugin",
                                                          "Wexdor4.Plugin", method);
    message.setArguments(args);
    return QDBusConnection::sessionBus().call(message);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class GeditPluginTest : public QObject {
    Q_OBJECT

private slots:
    void clockFromTheWindowsLandsInGeditsDocument() {
        test::GeditSession gedit;
        const QString page = gedit.folder() + "/index.html";
        {
            QFile file(page);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<html>\r\n<head>\r\n<title>Doc</title>\r\n</head>\r\n"
                       "<BODY bgcolor=\"white\">\r\n<p>Before</p>\r\n\r\n<p>After</p>\r\n"
                       "</body>\r\n</html>\r\n");
        }
        // The cursor on the empty line between the paragraphs.
        const QString failure = gedit.start({page, "+7:1"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));

        test::WizardDriver d;
        ProgramLifetime lifetime;
        QtClipboard clipboard;
        QtFolderPicker folderPicker{lifetime};
        QtAppWindows windows;
        QtFileOutput files;
        DBusHostLink link(QDBusConnection::sessionBus());
        InsertionGenerator generator(InsertionServices{link, d.messages, clipboard, folderPicker,
                                                       windows, files, "/nonexistent/"});
        d.host.running = true;
        d.start(&generator);
        d.pickTool("Clock");
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QVERIFY(d.press("op1fm/item0"));
        QVERIFY(d.type("op1fm/e1", "Clock"));
        QVERIFY(d.press("op1fm/bb1"));
        QCOMPARE(d.shownTexts().back(), std::string(kInsertionComplete));

        const QDBusMessage saved = call("forcesave");
        QVERIFY2(saved.type() == QDBusMessage::ReplyMessage, qPrintable(saved.errorMessage()));
        QCOMPARE(readAll(page),
                 "<html>\r\n<head>\r\n<title>Doc</title>\r\n" + bytes(clockScriptBlock()) +
                     "</head>\r\n<BODY bgcolor=\"white\"" + bytes(clockBodyAttributes()) +
                     ">\r\n<p>Before</p>\r\n<h2>Clock</h2>\r\n" + bytes(clockForm()) +
                     "\r\n<p>After</p>\r\n</body>\r\n</html>\r\n");
    }

    // The wizard would otherwise ask to save again and again.
    void cancelledSaveAsIsAnError() {
        test::GeditSession gedit;
        const QString failure = gedit.start({});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(call("puttextatcursor", {"<p>new</p>"}).type(), QDBusMessage::ReplyMessage);

        QProcess user;
        gedit.answerSaveAs(user, {});
        QDBusPendingCall pending =
            QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
                "Wexdor4.Plugin", "/Wexdor4/Plugin", "Wexdor4.Plugin", "forcesave"));
        QTRY_VERIFY_WITH_TIMEOUT(pending.isFinished(), 30000);
        const QDBusMessage reply = pending.reply();
        QCOMPARE(reply.errorName(), QStringLiteral("Wexdor4.Plugin.Error"));
        QVERIFY2(reply.errorMessage().contains("not saved"), qPrintable(reply.errorMessage()));
        QCOMPARE(call("getworkdir").arguments().value(0).toString(), QString());
        QTRY_COMPARE(user.state(), QProcess::NotRunning);
        QCOMPARE(user.exitCode(), 0);
    }
};

QTEST_MAIN(GeditPluginTest)
#include "GeditPluginTest.moc"
