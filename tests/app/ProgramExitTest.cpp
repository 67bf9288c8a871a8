// SPDX-License-Identifier: MIT
#include "app/Program.h"
#include "chrome/TGradientForm.h"
#include "support/BusPeerProcess.h"
#include "support/WizardDriver.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <cstdio>

namespace {
constexpr const char* kMessageBoxChild = "--message-box-child";
constexpr const char* kSplashChild = "--splash-child";
constexpr const char* kWaitingChild = "--waiting-child";

QString binDir() {
    return QProcessEnvironment::systemEnvironment().value("VORREL_BIN_DIR");
}

// The program as a child of this test: started offscreen and, unless told otherwise, on the
// test's private bus.
struct Child {
    QProcess process;

    bool start(const QString& program, const QStringList& args = {},
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
        QProcessEnvironment childEnv = env;
        childEnv.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(childEnv);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, args);
        return process.waitForStarted(5000);
    }

    bool waitForLine(const QByteArray& line, int timeoutMs) {
        return QTest::qWaitFor(
                   [&] {
                       while (process.canReadLine())
                           if (process.readLine().trimmed() == line)
                               return true;
                       return process.state() == QProcess::NotRunning;
                   },
                   timeoutMs) &&
               process.state() == QProcess::Running;
    }

    bool endsCleanlyWithin(int timeoutMs) {
        return process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    ~Child() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(2000);
        }
    }
};

bool programIsOnTheBus() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered("Vorrel.Application");
}

void postMessage(uint number) {
    QDBusMessage message = QDBusMessage::createMethodCall("Vorrel.Application", "/Vorrel",
                                                          "Vorrel.Application", "PostMessage");
    message << number;
    QDBusConnection::sessionBus().send(message);
}

// The child half of the message-box test: the real program, in which a user has pressed Next
// with no tool selected; it reports when the message box is open.
int runMessageBoxChild(QApplication& app) {
    // The user, once the tool picker is on the screen (after the splash). A timer does not fire
    // again while its own handler waits in the message box, so another one reports.
    auto* user = new QTimer(&app);
    QObject::connect(user, &QTimer::timeout, [user] {
        QWidget* picker = vorrel::test::WizardDriver::window("ToolPickerForm");
        if (picker && picker->isVisible() && !QApplication::activeModalWidget()) {
            user->stop();
            picker->findChild<QListWidget*>("lb1")->clearSelection();
            picker->findChild<QPushButton*>("BitBtn1")->click();
        }
    });
    user->start(20);
    auto* reporter = new QTimer(&app);
    QObject::connect(reporter, &QTimer::timeout, [reporter] {
        if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("message box open\n");
            std::fflush(stdout);
            reporter->stop();
        }
    });
    reporter->start(20);
    return vorrel::runProgram(app);
}

QPushButton* buttonCalled(QWidget* page, const QString& text) {
    for (QPushButton* button : page->findChildren<QPushButton*>())
        if (button->text() == text && button->isVisible())
            return button;
    return nullptr;
}

// A click as the window system delivers it: to the window, which hands it to the widget.
void clickInWindow(QWidget* page, QWidget* control, QPoint at) {
    QWidget* window = page->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->mapTo(window, at));
}

// The user, while the host keeps the program waiting: Back does nothing, then `wayOut` ("cancel"
// or "close box") ends the program.
void leaveWhileWaiting(vorrel::TGradientForm* page, const QString& wayOut) {
    QPushButton* back = buttonCalled(page, "<< Back");
    clickInWindow(page, back, back->rect().center());
    std::printf(page->isVisible() ? "back dropped\n" : "back acted\n");
    std::fflush(stdout);
    if (wayOut == "cancel") {
        QPushButton* cancel = buttonCalled(page, "Cancel");
        clickInWindow(page, cancel, cancel->rect().center());
    } else {
        const vorrel::Rect& box = page->captionLayout().close;
        clickInWindow(page, page, QPoint((box.left + box.right) / 2, (box.top + box.bottom) / 2));
    }
}

// The real program, in which a user inserts the Clock (in the current page, or with display
// method 1 when asked) into a host that keeps it waiting. It reports when, with the call still
// waiting, its window has been drawn again; then the user takes `wayOut`, if one is given.
int runWaitingChild(QApplication& app, bool separateWindow, const QString& wayOut) {
    auto* user = new QTimer(&app);
    QObject::connect(user, &QTimer::timeout, [user, separateWindow] {
        using vorrel::test::WizardDriver;
        QWidget* options = WizardDriver::window("op1fm");
        QWidget* picker = WizardDriver::window("ToolPickerForm");
        if (picker && picker->isVisible()) {
            picker->findChild<QPushButton*>("BitBtn1")->click();
        } else if (options && options->isVisible()) {
            user->stop();
            options->findChild<QRadioButton*>(separateWindow ? "item1" : "item0")->click();
            options->findChild<QPushButton*>("bb1")->click();
            if (QWidget* separate = WizardDriver::window("op1afm");
                separateWindow && separate->isVisible())
                separate->findChild<QPushButton*>("bb1")->click();
        }
    });
    user->start(20);
    // The page of the Finished button stays up while the host keeps the call waiting; a new
    // caption must reach the screen meanwhile.
    auto* reporter = new QTimer(&app);
    QObject::connect(reporter, &QTimer::timeout, [reporter, wayOut] {
        static int paintsBefore = -1;
        for (const QString& name : vorrel::test::kWindowNames) {
            auto* page =
                qobject_cast<vorrel::TGradientForm*>(vorrel::test::WizardDriver::window(name));
            if (!page || !page->isVisible() || page->objectName() == "ToolPickerForm")
                continue;
            if (paintsBefore < 0) {
                paintsBefore = page->captionPaints();
                page->setWindowTitle("Waiting for the host");
            } else if (page->captionPaints() > paintsBefore) {
                std::printf("repainted while waiting\n");
                std::fflush(stdout);
                reporter->stop();
                if (!wayOut.isEmpty())
                    leaveWhileWaiting(page, wayOut);
                return;
            }
        }
    });
    QTimer::singleShot(600, [reporter] { reporter->start(20); });
    return vorrel::runProgram(app);
}

// The real program started without a host, reporting when its splash is up.
int runSplashChild(QApplication& app) {
    auto* reporter = new QTimer(&app);
    QObject::connect(reporter, &QTimer::timeout, [reporter] {
        if (QWidget* modal = QApplication::activeModalWidget();
            modal && modal->objectName() == "frmSplash") {
            std::printf("splash open\n");
            std::fflush(stdout);
            reporter->stop();
        }
    });
    reporter->start(20);
    return vorrel::runProgram(app);
}
} // namespace

class ProgramExitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDBusConnection::sessionBus().isConnected()); }

    void message1148EndsTheProgramAndOtherNumbersDoNot() {
        Child vorrel;
        QVERIFY(vorrel.start(binDir() + "/vorrel"));
        QTRY_VERIFY_WITH_TIMEOUT(programIsOnTheBus(), 10000);
        postMessage(1149);
        postMessage(0);
        QVERIFY(!vorrel.process.waitForFinished(500));
        postMessage(1148);
        QVERIFY(vorrel.endsCleanlyWithin(2000));
        QTRY_VERIFY(!programIsOnTheBus());
    }

    void message1148EndsTheProgramWhileAMessageBoxIsOpen() {
        Child vorrel;
        QVERIFY(vorrel.start(QCoreApplication::applicationFilePath(), {kMessageBoxChild}));
        QVERIFY(vorrel.waitForLine("message box open", 10000));
        postMessage(1148);
        QVERIFY(vorrel.endsCleanlyWithin(2000));
    }

    void message1148EndsTheProgramWhileTheSplashIsUp() {
        Child vorrel;
        QVERIFY(vorrel.start(QCoreApplication::applicationFilePath(), {kSplashChild}));
        QVERIFY(vorrel.waitForLine("splash open", 10000));
        QTRY_VERIFY_WITH_TIMEOUT(programIsOnTheBus(), 10000);
        postMessage(1148);
        // Sooner than the splash would have closed by itself.
        QVERIFY(vorrel.endsCleanlyWithin(1500));
    }

    // A host that never answers a put call, and one that answers getworkdir with nothing for
    // ever: the windows still repaint, and 1148, SIGTERM, Cancel or the close box still ends
    // the program at once; other clicks stay dropped.
    void aHostThatKeepsTheProgramWaitingDoesNotStopIt_data() {
        QTest::addColumn<QStringList>("host");
        QTest::addColumn<bool>("separateWindow");
        QTest::addColumn<QString>("end"); // 1148, SIGTERM, cancel or close box
        const QStringList hangs = {"--hang", "puttextatcursor"};
        const QStringList saves = {"--reply", "getworkdir=s:"};
        QTest::newRow("put call, 1148") << hangs << false << "1148";
        QTest::newRow("put call, SIGTERM") << hangs << false << "SIGTERM";
        QTest::newRow("put call, Cancel") << hangs << false << "cancel";
        QTest::newRow("empty working folder, 1148") << saves << true << "1148";
        QTest::newRow("empty working folder, SIGTERM") << saves << true << "SIGTERM";
        QTest::newRow("empty working folder, close box") << saves << true << "close box";
    }

    void aHostThatKeepsTheProgramWaitingDoesNotStopIt() {
        QFETCH(QStringList, host);
        QFETCH(bool, separateWindow);
        QFETCH(QString, end);
        const bool byUser = end == "cancel" || end == "close box";
        vorrel::test::BusPeers peers;
        QVERIFY(!peers
                     .start(QStringList{"--own-host-name", "--answer", "1", "--reply",
                                        "isopendoc=s:true"} +
                            host)
                     .isEmpty());
        Child vorrel;
        QVERIFY(vorrel.start(
            QCoreApplication::applicationFilePath(),
            {kWaitingChild, separateWindow ? "separate" : "current", byUser ? end : ""}));
        if (byUser) {
            // The child clicks as soon as its window was drawn again; dropped, it would wait for
            // ever.
            QVERIFY(vorrel.endsCleanlyWithin(10000));
            QCOMPARE(vorrel.process.readAll().trimmed(),
                     QByteArray("repainted while waiting\nback dropped"));
            return;
        }
        QVERIFY(vorrel.waitForLine("repainted while waiting", 10000));
        if (end == "SIGTERM")
            ::kill(pid_t(vorrel.process.processId()), SIGTERM);
        else
            postMessage(1148);
        QVERIFY(vorrel.endsCleanlyWithin(1000));
    }

    // A connection that never answers keeps the host search waiting 2 s at start; a signal
    // ends the program meanwhile.
    void theSearchForTheHostCanBeEndedByASignal() {
        vorrel::test::BusPeers peers;
        QVERIFY(!peers.start({"--silent"}).isEmpty());
        Child vorrel;
        QVERIFY(vorrel.start(binDir() + "/vorrel"));
        QTRY_VERIFY_WITH_TIMEOUT(programIsOnTheBus(), 10000);
        ::kill(pid_t(vorrel.process.processId()), SIGTERM);
        QVERIFY(vorrel.endsCleanlyWithin(1000));
    }

    void aSecondProgramTakesTheNameWhenTheFirstEnds() {
        Child first, second;
        QVERIFY(first.start(binDir() + "/vorrel"));
        QTRY_VERIFY_WITH_TIMEOUT(programIsOnTheBus(), 10000);
        QVERIFY(second.start(binDir() + "/vorrel"));
        QVERIFY(!second.process.waitForFinished(1000));
        postMessage(1148);
        QVERIFY(first.endsCleanlyWithin(2000));
        QVERIFY(second.process.state() == QProcess::Running);
        // The name has passed to the second program, which the next message ends.
        QTRY_VERIFY_WITH_TIMEOUT(programIsOnTheBus(), 5000);
        postMessage(1148);
        QVERIFY(second.endsCleanlyWithin(2000));
    }

    // Qt's own reason comes first, whole; the last line says what to do about it.
    void withoutAWindowSystemItSaysWhyAndEndsWithCode1_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("qtSays");
        QTest::addColumn<QString>("weSay");
        QTest::newRow("no display") << ""
                                    << ""
                                    << "qt.qpa.xcb: could not connect to display"
                                    << "needs a graphical display: set DISPLAY or WAYLAND_DISPLAY";
        QTest::newRow("a platform plugin that is not there")
            << "nosuchplatform"
            << ":99"
            << "Could not find the Qt platform plugin \"nosuchplatform\""
            << "Vorrel could not open its windows: Qt's reason is above.";
    }

    void withoutAWindowSystemItSaysWhyAndEndsWithCode1() {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, qtSays);
        QFETCH(QString, weSay);
        QProcess vorrel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        if (!platform.isEmpty())
            env.insert("QT_QPA_PLATFORM", platform);
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        vorrel.setProcessEnvironment(env);
        vorrel.start(binDir() + "/vorrel");
        QVERIFY(vorrel.waitForFinished(5000));
        QCOMPARE(vorrel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vorrel.exitCode(), 1);
        const QString said = QString::fromUtf8(vorrel.readAllStandardError());
        const QStringList lines = said.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(said.contains(qtSays), qPrintable(said));
        QVERIFY2(lines.last().contains(weSay), qPrintable(said));
        QVERIFY2(said.count("Vorrel") == 1, qPrintable(said));
    }

    void terminationSignalsEndTheProgramInOrder_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void terminationSignalsEndTheProgramInOrder() {
        QFETCH(int, signal);
        Child vorrel;
        QVERIFY(vorrel.start(binDir() + "/vorrel"));
        QTRY_VERIFY_WITH_TIMEOUT(programIsOnTheBus(), 10000);
        ::kill(pid_t(vorrel.process.processId()), signal);
        QVERIFY(vorrel.endsCleanlyWithin(2000));
    }

    void withoutASessionBusTheProgramStillRuns() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
        Child vorrel;
        QVERIFY(vorrel.start(binDir() + "/vorrel", {}, env));
        QVERIFY(!vorrel.process.waitForFinished(1000));
        ::kill(pid_t(vorrel.process.processId()), SIGTERM);
        QVERIFY(vorrel.endsCleanlyWithin(2000));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == kMessageBoxChild)
        return runMessageBoxChild(app);
    if (argc > 1 && QByteArray(argv[1]) == kSplashChild)
        return runSplashChild(app);
    if (argc > 3 && QByteArray(argv[1]) == kWaitingChild)
        return runWaitingChild(app, QByteArray(argv[2]) == "separate", QString(argv[3]));
    ProgramExitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProgramExitTest.moc"
