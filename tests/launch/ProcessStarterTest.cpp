// SPDX-License-Identifier: MIT
// The launcher starting real processes: a program from a path with blanks, a document opened by
// the desktop's default application (one made for the test), and waiting with the events served.

#include "launch/QtProcessStarter.h"
#include "launch/TExecFile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/wait.h>

using namespace vorrel;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes, bool executable = false) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return true;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

class ProcessStarterTest : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString recorder; // writes its arguments, one a line, to the file RECORD_TO names
    QString record;

    QStringList recorded() {
        QFile file(record);
        if (!file.open(QIODevice::ReadOnly))
            return {"<nothing recorded>"};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(work.filePath("my tools")));
        recorder = work.filePath("my tools/re cord.sh");
        record = work.filePath("record.txt");
        QVERIFY(writeFile(recorder, "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$RECORD_TO\"\n",
                          true));
        qputenv("RECORD_TO", record.toUtf8());

        // The desktop's default application for web pages, made for this test: GIO reads these
        // folders at its first use.
        QVERIFY(QDir().mkpath(work.filePath("data/applications")));
        QVERIFY(QDir().mkpath(work.filePath("config")));
        QVERIFY(writeFile(work.filePath("data/applications/vorrel-test-viewer.desktop"),
                          "[Desktop Entry]\nType=Application\nName=Test viewer\nExec=\"" +
                              recorder.toUtf8() + "\" --view %U\nMimeType=text/html;\n"));
        QVERIFY(writeFile(work.filePath("config/mimeapps.list"),
                          "[Default Applications]\ntext/html=vorrel-test-viewer.desktop\n"));
        qputenv("XDG_DATA_HOME", work.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", work.filePath("config").toUtf8());
    }

    void init() { QFile::remove(record); }

    void aProgramStartsFromAPathWithBlanks() {
        QtProcessStarter processes;
        TExecFile exec(processes);
        exec.CommandLine = recorder.toStdString();
        exec.Parameters = "one  two";
        exec.Wait = true;
        exec.WaitStyle = TWaitStyle::wSuspend;
        QVERIFY(exec.Execute());
        QCOMPARE(recorded(), (QStringList{recorder, "one", "two"}));
    }

    void aDocumentOpensWithTheDefaultApplication() {
        const QString page = work.filePath("a page.htm");
        QVERIFY(writeFile(page, "<HTML><BODY>Hi</BODY></HTML>\n"));
        QtProcessStarter processes;
        TExecFile exec(processes);
        exec.Associate = true;
        exec.Wait = true;
        exec.CommandLine = page.toStdString();
        QVERIFY(exec.Execute());
        QCOMPARE(recorded(), (QStringList{recorder, "--view", page}));
        QCOMPARE(QString::fromStdString(exec.commandLineText()),
                 recorder + " --view " + page + " ");

        int failures = 0;
        exec.OnFail = [&](TExecFile&) { ++failures; };
        exec.CommandLine = work.filePath("missing.htm").toStdString();
        QVERIFY(!exec.Execute());
        QCOMPARE(failures, 1);
        QCOMPARE(exec.LastError(), ENOENT);
    }

    // The wait serves the program's events and sleeps meanwhile.
    void aRegularWaitServesEventsWithoutBurningACore() {
        QtProcessStarter processes;
        TExecFile exec(processes);
        exec.CommandLine = "sleep";
        exec.Parameters = "0.6";
        exec.Wait = true;
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(50);
        const double cpuBefore = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(exec.Execute());
        QVERIFY(clock.elapsed() >= 550);
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
        QVERIFY2(cpuSeconds() - cpuBefore < 0.25,
                 qPrintable(QString::number(cpuSeconds() - cpuBefore)));
    }

    void anEndRequestedDuringARegularWaitEndsWithItsCode() {
        QProcess helper;
        helper.start(QCoreApplication::applicationDirPath() + "/launch_wait_helper");
        QVERIFY(helper.waitForFinished(5000));
        QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
        QCOMPARE(helper.exitCode(), 7);
    }

    void aProcessNobodyWaitsForIsCollected() {
        QtProcessStarter processes;
        TExecFile exec(processes);
        exec.CommandLine = "true";
        QVERIFY(!exec.Execute());
        // Once it has ended, nothing of it is left to collect.
        QTRY_VERIFY_WITH_TIMEOUT(waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD, 5000);
    }
};

QTEST_GUILESS_MAIN(ProcessStarterTest)
#include "ProcessStarterTest.moc"
