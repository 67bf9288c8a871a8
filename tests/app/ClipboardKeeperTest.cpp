// The text put on the clipboard stays there after the program has ended, on an X display of
// the test's own without a clipboard manager, until another program takes the clipboard.

#include "app/QtClipboard.h"

#include <QGuiApplication>
#include <QProcess>
#include <QtTest>

#include "support/XvfbDisplay.h"

#include <csignal>

namespace {

constexpr const char* kChild = "--clipboard-child";

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

private slots:
    void initTestCase() {
        display = xvfb.start();
        QVERIFY2(!display.isEmpty(), "Xvfb did not start");
    }

    void cleanupTestCase() { xvfb.stop(); }

    void theTextOutlivesTheProgramUntilAnotherTakesTheClipboard() {
        const QString text = "<!-- Grüße -->\r\n<SCRIPT>\"x\"</SCRIPT>\r\n";
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(env);
        program.start(QCoreApplication::applicationFilePath(), {kChild, text});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);

        QTRY_COMPARE_WITH_TIMEOUT(clipboard(), text, 15000);
        QVERIFY(keeperRuns());
        QProcess other;
        other.start("xclip", {"-display", display, "-selection", "clipboard", "-i"});
        other.write("something else");
        other.closeWriteChannel();
        QTRY_VERIFY_WITH_TIMEOUT(!keeperRuns(), 15000);
        QCOMPARE(clipboard(), QString("something else"));
        other.kill();
        other.waitForFinished(2000);
    }
};

int main(int argc, char** argv) {
    if (argc > 2 && QByteArray(argv[1]) == kChild)
        return runChild(argc, argv);
    QCoreApplication application(argc, argv);
    ClipboardKeeperTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ClipboardKeeperTest.moc"
