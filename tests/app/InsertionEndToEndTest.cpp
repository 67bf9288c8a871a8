// SPDX-License-Identifier: MIT
// A finished wizard pass as it really runs: the generator, the bus link and the stand-in host
// editing a real HTML file, with real images copied and real page files written. The documents
// it leaves behind are loaded in Chromium by the browser suite.

#include "app/ProgramLifetime.h"
#include "app/QtAppWindows.h"
#include "app/QtClipboard.h"
#include "app/QtFileOutput.h"
#include "app/QtFolderPicker.h"
#include "app/Wizard.h"
#include "chrome/TGradientForm.h"
#include "host/DBusHostLink.h"
#include "scripts/AnimatedButtonTemplates.h"
#include "scripts/InsertionGenerator.h"
#include "scripts/JumpListTemplates.h"
#include "scripts/LauncherTemplates.h"
#include "scripts/SeparatePageText.h"
#include "scripts/ToolTemplates.h"
#include "support/WizardDriver.h"

#include <QClipboard>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorrel;

namespace {

const QByteArray kGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00"
                      "\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;",
                      43);

const QByteArray kDocument = "<html>\r\n<head>\r\n<title>Doc</title>\r\n</head>\r\n<BODY "
                             "bgcolor=\"white\">\r\n<p>Before</p>\r\n<!--cursor-->\r\n<p>After</"
                             "p>\r\n</body>\r\n</html>\r\n";

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

// The calls the host received, as "method" or "method(argument)" for the copy lists.
QStringList hostCalls(const QString& logPath) {
    QStringList calls;
    for (const QByteArray& line : readAll(logPath).split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject call = QJsonDocument::fromJson(line).object();
        QString entry = call["method"].toString();
        if (entry == "copyfiles")
            entry += "(" + call["args"].toArray().at(0).toString() + ")";
        calls << entry;
    }
    return calls;
}

// Where the browser suite finds the documents this test leaves.
QString documentsFolder() {
    return QProcessEnvironment::systemEnvironment().value("VORREL_E2E_DOCUMENTS");
}

} // namespace

class InsertionEndToEndTest : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString site;
    QString images;
    QProcess host;
    test::RecordingMessageBoxes messages;
    QtClipboard clipboard;
    ProgramLifetime lifetime;
    QtFolderPicker folderPicker{lifetime};
    QtAppWindows windows;
    QtFileOutput files;
    std::unique_ptr<DBusHostLink> link;
    std::unique_ptr<InsertionGenerator> generator;
    InsertionPlan plan;

    QString document() const { return site + "/index.html"; }

    void insert(const WizardState& state) {
        plan.clearTexts();
        messages.shown.clear();
        generator->generateInsertion(state, false, plan);
    }

    static WizardState stateFor(ScriptTool tool, DisplayMethod method) {
        WizardState state;
        state.tool = tool;
        state.caption = std::string(toolName(tool));
        state.pageFileName = state.caption.substr(0, 3) + ".htm";
        state.buttonCaption = state.caption;
        state.displayMethod = method;
        return state;
    }

private slots:
    void initTestCase() {
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        site = documentsFolder();
        QVERIFY2(!site.isEmpty(), "VORREL_E2E_DOCUMENTS is not set");
        QDir(site).removeRecursively();
        QVERIFY(QDir().mkpath(site));
        images = work.filePath("my images");
        QVERIFY(QDir().mkpath(images));
        for (const char* name : {"home.gif", "home_on.gif", "news.gif", "news_on.gif", "go.gif"})
            QVERIFY(writeAll(images + "/" + name, kGif));
        QVERIFY(writeAll(document(), kDocument));

        host.setProcessChannelMode(QProcess::ForwardedChannels);
        host.start(QProcessEnvironment::systemEnvironment().value("VORREL_BIN_DIR") + "/htmlhost",
                   {document(), "--log", work.filePath("calls.jsonl")});
        QVERIFY(host.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            QDBusConnection::sessionBus().interface()->isServiceRegistered("Wexdor4.Plugin"),
            10000);
        link = std::make_unique<DBusHostLink>(QDBusConnection::sessionBus());
        generator = std::make_unique<InsertionGenerator>(InsertionServices{
            *link, messages, clipboard, folderPicker, windows, files, "/nonexistent/"});
    }

    void cleanupTestCase() {
        host.terminate();
        host.waitForFinished(5000);
    }

    void fourToolsGoIntoTheDocument() {
        QVERIFY(link->wexdorRunning());

        const WizardState clock = stateFor(ScriptTool::Clock, DisplayMethod::InCurrentPage);
        insert(clock);
        QCOMPARE(messages.shown.back().text, std::string("JavaScript insertion complete."));

        WizardState buttons = stateFor(ScriptTool::AnimatedButtons, DisplayMethod::InCurrentPage);
        buttons.buttons = {{(images + "/home.gif").toStdString(),
                            (images + "/home_on.gif").toStdString(), "Home", "index.html"},
                           {(images + "/news.gif").toStdString(),
                            (images + "/news_on.gif").toStdString(), "News", "Pop.htm"}};
        insert(buttons);

        WizardState jump = stateFor(ScriptTool::JumpList, DisplayMethod::ButtonOpensWindow);
        jump.jumpImage = (images + "/go.gif").toStdString();
        jump.jumpImageText = "Go";
        jump.jumpTargets = {{"Home", "index.html"}, {"Popup", "Pop.htm"}};
        jump.showScrollbars = true;
        jump.windowWidth = "420";
        insert(jump);

        WizardState popup = stateFor(ScriptTool::PopupWindow, DisplayMethod::AutoOpenWindow);
        popup.popupHtmlLines = {"<p id=\"greeting\">Hello from the popup</p>", "<p>Grüße</p>"};
        insert(popup);
        QCOMPARE(messages.shown.back().text, std::string("JavaScript insertion complete."));

        const QByteArray expected =
            "<html>\r\n<head>\r\n<title>Doc</title>\r\n" + bytes(clockScriptBlock()) +
            bytes(animatedButtonsHead(buttons.buttons, "20", "20", false)) +
            "</head>\r\n<BODY bgcolor=\"white\" onload=\"cstarttm()\" onunload=\"cendtm()\">\r\n"
            "<p>Before</p>\r\n<h2>Clock</h2>\r\n" +
            bytes(clockForm()) + "<h2>Animated Buttons</h2>\r\n" +
            bytes(buttonLinks(buttons.buttons, "20", "20")) + bytes(launcherButton(jump)) +
            "\r\n<p>After</p>\r\n" + bytes(autoOpenScript(popup)) + "</body>\r\n</html>\r\n";
        QCOMPARE(readAll(document()), expected);

        const auto noCopy = [](const std::string&) {};
        QCOMPARE(readAll(site + "/Jum.htm"), bytes(separatePageText(jump, false, noCopy)));
        QCOMPARE(readAll(site + "/Pop.htm"), bytes(separatePageText(popup, false, noCopy)));
        for (const char* name : {"home.gif", "home_on.gif", "news.gif", "news_on.gif", "go.gif"})
            QCOMPARE(readAll(site + "/" + name), kGif);

        const QString buttonImages = images + "/home.gif;" + images + "/home_on.gif;" + images +
                                     "/news.gif;" + images + "/news_on.gif;";
        QCOMPARE(hostCalls(work.filePath("calls.jsonl")),
                 (QStringList{"WM_ISWEXDORRUNNING",
                              "isopendoc",
                              "puttextatcursor",
                              "puttextinbody",
                              "puttexthead",
                              "isopendoc",
                              "copyfiles(" + buttonImages + ")",
                              "puttextatcursor",
                              "puttexthead",
                              "isopendoc",
                              "getworkdir",
                              "getworkdir",
                              "getworkdir",
                              "copyfiles(" + images + "/go.gif;)",
                              "puttextatcursor",
                              "isopendoc",
                              "getworkdir",
                              "getworkdir",
                              "getworkdir",
                              "puttextbody"}));
    }

    void aPageInAMissingFolderStopsTheInsertionWithNothingDone() {
        const QByteArray before = readAll(document());
        WizardState clock = stateFor(ScriptTool::Clock, DisplayMethod::ButtonOpensWindow);
        clock.pageFileName = "no such folder/Clo.htm";
        QVERIFY_THROWS_EXCEPTION(FileError, insert(clock));
        QCOMPARE(readAll(document()), before);
        QVERIFY(!QFile::exists(site + "/no such folder"));
    }

    void aHostErrorReachesTheErrorBoxAndThePageStays() {
        // A page of frames has no body to take the Clock's texts.
        const QByteArray frames = "<html><head></head><frameset><frame src=\"a.html\"></frameset>"
                                  "</html>\r\n";
        const QString bare = site + "/bare.html";
        QVERIFY(writeAll(bare, frames));
        QProcess other;
        host.terminate();
        QVERIFY(host.waitForFinished(5000));
        other.setProcessChannelMode(QProcess::ForwardedChannels);
        other.start(QProcessEnvironment::systemEnvironment().value("VORREL_BIN_DIR") + "/htmlhost",
                    {bare});
        QTRY_VERIFY_WITH_TIMEOUT(
            QDBusConnection::sessionBus().interface()->isServiceRegistered("Wexdor4.Plugin"),
            10000);

        test::WizardDriver d;
        test::RecordingMessageBoxes& boxes = d.messages;
        InsertionGenerator generator({*link, boxes, clipboard, folderPicker, windows, files, "/"});
        d.host.running = true;
        d.start(&generator);
        Wizard& wizard = *d.wizard;
        wizard.moveTo(WizardWindow::Options);
        QVERIFY(d.press("op1fm/bb1"));
        QCOMPARE(boxes.shown.size(), size_t(1));
        QCOMPARE(boxes.shown[0].kind, std::string("error"));
        QVERIFY2(QString::fromStdString(boxes.shown[0].text).contains("body"),
                 boxes.shown[0].text.c_str());
        QVERIFY(wizard.window(WizardWindow::Options)->isVisible());
        QCOMPARE(readAll(bare), frames);
        other.terminate();
        other.waitForFinished(5000);
        QFile::remove(bare);
    }

    void withoutHostFinishedPutsTheTextOnTheClipboard() {
        test::WizardDriver d;
        test::RecordingMessageBoxes& boxes = d.messages;
        InsertionGenerator generator({d.host, boxes, clipboard, folderPicker, windows, files, "/"});
        d.start(&generator);
        Wizard& wizard = *d.wizard;
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QVERIFY(d.press("op1fm/bb1"));
        QCOMPARE(boxes.shown.size(), size_t(1));
        QCOMPARE(boxes.shown[0].kind, std::string("information"));
        QCOMPARE(boxes.shown[0].text, std::string("The HTML has been copied to the clipboard."));
        const QString text = QGuiApplication::clipboard()->text();
        QVERIFY(text.startsWith(
            "\r\n<!-- Copy this HTML into the <HEAD> section of your HTML file -->\r\n<SCRIPT"));
        QVERIFY(text.endsWith(" onload=\"cstarttm()\" onunload=\"cendtm()\"\r\n"));
        QVERIFY(wizard.window(WizardWindow::ToolPicker)->isVisible());
        QVERIFY(!wizard.window(WizardWindow::Options)->isVisible());
    }
};

QTEST_MAIN(InsertionEndToEndTest)
#include "InsertionEndToEndTest.moc"
