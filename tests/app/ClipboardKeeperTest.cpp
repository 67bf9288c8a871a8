// SPDX-License-Identifier: MIT
// The text put on the clipboard stays there after the program has ended, on an X display of the
// test's own: kept by vorrel-clipboard until another program takes the clipboard, or by a
// clipboard manager once it has really taken the text over.

#include "app/QtClipboard.h"

#include <QGuiApplication>
#include <QProcess>
#include <QtTest>

#include "support/EndProcess.h"
#include "support/FakeClipboardManager.h"
#include "support/XvfbDisplay.h"

#include <map>

namespace {

constexpr const char* kChild = "--clipboard-child";
constexpr const char* kManager = "--manager-child";

using Answer = vorrel::test::FakeClipboardManager::Answer;

const std::map<QByteArray, Answer> answers = {{"saves", Answer::Saves},
                                              {"refuses", Answer::Refuses},
                                              {"silent", Answer::Silent},
                                              {"unread", Answer::SaysSavedUnread}};

QString binDir() {
    return QProcessEnvironment::systemEnvironment().value("VORREL_BIN_DIR");
}

// The program's part: puts the text on the clipboard and ends as the program does.
int runChild(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    vorrel::QtClipboard clipboard;
    clipboard.setText(argv[2]);
    clipboard.keepAfterExit(binDir() + "/vorrel-clipboard");
    return 0;
}

} // namespace

class ClipboardKeeperTest : public QObject {
    Q_OBJECT

    vorrel::test::XvfbDisplay xvfb;
    QString display;

    QProcessEnvironment onDisplay() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("WAYLAND_DISPLAY");
        return env;
    }

    QString clipboard() {
        QProcess xclip;
        xclip.start("xclip", {"-display", display, "-selection", "clipboard", "-o"});
        return xclip.waitForFinished(5000) ? QString::fromUtf8(xclip.readAllStandardOutput())
                                           : QString("<xclip did not answer>");
    }

    // A keeper serving this test's display; one left by another session on another display
    // does not count.
    bool keeperRuns() {
        QProcess pgrep;
        pgrep.start("pgrep", {"-f", binDir() + "/vorrel-clipboard"});
        pgrep.waitForFinished(5000);
        const QByteArray ownDisplay = "DISPLAY=" + display.toUtf8();
        for (const QByteArray& pid : pgrep.readAllStandardOutput().split('\n')) {
            QFile environment("/proc/" + QString::fromLatin1(pid) + "/environ");
            if (!pid.isEmpty() && environment.open(QIODevice::ReadOnly) &&
                environment.readAll().split('\0').contains(ownDisplay))
                return true;
        }
        return false;
    }

    // What the manager has reported so far, a line each.
    static QList<QByteArray> said(QProcess& manager, QByteArray& lines) {
        lines += manager.readAllStandardOutput();
        return lines.split('\n');
    }

private slots:
    void initTestCase() {
        display = xvfb.start();
        QVERIFY2(!display.isEmpty(), "Xvfb did not start");
    }

    void cleanupTestCase() { xvfb.stop(); }

    void theTextOutlivesTheProgram_data() {
        QTest::addColumn<QByteArray>("manager");
        QTest::addColumn<bool>("keeperLeaves");
        QTest::newRow("no clipboard manager") << QByteArray() << false;
        QTest::newRow("a manager that saves the text") << QByteArray("saves") << true;
        QTest::newRow("a manager that refuses") << QByteArray("refuses") << false;
        QTest::newRow("a manager that never answers") << QByteArray("silent") << false;
        QTest::newRow("a manager that says yes without reading the text")
            << QByteArray("unread") << false;
    }

    void theTextOutlivesTheProgram() {
        QFETCH(QByteArray, manager);
        QFETCH(bool, keeperLeaves);
        const QString text = "<!-- Grüße -->\r\n<SCRIPT>\"x\"</SCRIPT>\r\n";

        QProcess fakeManager;
        QByteArray reports;
        if (!manager.isEmpty()) {
            fakeManager.setProcessEnvironment(onDisplay());
            fakeManager.start(QCoreApplication::applicationFilePath(), {kManager, manager});
            QTRY_VERIFY_WITH_TIMEOUT(said(fakeManager, reports).contains("ready"), 15000);
        }
        QProcess program;
        program.setProcessEnvironment(onDisplay());
        program.start(QCoreApplication::applicationFilePath(), {kChild, text});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);

        QTRY_COMPARE_WITH_TIMEOUT(clipboard(), text, 15000);
        if (!manager.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(
                said(fakeManager, reports).contains(manager == "silent" ? "asked" : "answered"),
                15000);
        if (keeperLeaves) {
            QTRY_VERIFY_WITH_TIMEOUT(!keeperRuns(), 15000);
            QCOMPARE(clipboard(), text);
        } else {
            QVERIFY(keeperRuns());
            QProcess other;
            other.start("xclip", {"-display", display, "-selection", "clipboard", "-i"});
            other.write("something else");
            other.closeWriteChannel();
            QTRY_VERIFY_WITH_TIMEOUT(!keeperRuns(), 15000);
            QCOMPARE(clipboard(), QString("something else"));
            vorrel::test::endProcess(other, 2000);
        }
        // Asked once, by the keeper: neither the program nor the keeper waits for the manager
        // as it ends.
        if (!manager.isEmpty())
            QCOMPARE(said(fakeManager, reports).count("asked"), 1);
        vorrel::test::endProcess(fakeManager, 2000);
    }
};

int main(int argc, char** argv) {
    if (argc > 2 && QByteArray(argv[1]) == kChild)
        return runChild(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == kManager && answers.count(argv[2]))
        return vorrel::test::FakeClipboardManager::run(answers.at(argv[2]));
    QCoreApplication application(argc, argv);
    ClipboardKeeperTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ClipboardKeeperTest.moc"
