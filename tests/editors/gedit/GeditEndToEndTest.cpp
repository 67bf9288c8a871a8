// A Clock inserted from the wizard's windows lands in the document open in the real gedit:
// heading and form at gedit's cursor, the script before </head>, the handlers in the body tag.

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
#include <QFile>
#include <QtTest>

using namespace vorrel;

namespace {

QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class GeditEndToEndTest : public QObject {
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

        QDBusMessage save = QDBusMessage::createMethodCall("Wexdor4.Plugin", "/Wexdor4/Plugin",
                                                           "Wexdor4.Plugin", "forcesave");
        const QDBusMessage saved = QDBusConnection::sessionBus().call(save);
        QVERIFY2(saved.type() == QDBusMessage::ReplyMessage, qPrintable(saved.errorMessage()));
        QCOMPARE(readAll(page),
                 "<html>\r\n<head>\r\n<title>Doc</title>\r\n" + bytes(clockScriptBlock()) +
                     "</head>\r\n<BODY bgcolor=\"white\"" + bytes(clockBodyAttributes()) +
                     ">\r\n<p>Before</p>\r\n<h2>Clock</h2>\r\n" + bytes(clockForm()) +
                     "\r\n<p>After</p>\r\n</body>\r\n</html>\r\n");
    }
};

QTEST_MAIN(GeditEndToEndTest)
#include "GeditEndToEndTest.moc"
