// SPDX-License-Identifier: MIT
#include "app/QtFileOutput.h"
#include "app/Errors.h"
#include "scripts/SeparatePageWriter.h"
#include "support/RecordingPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vorrel;

namespace {
QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                  QDir::NoDotAndDotDot);
}

bool isFifo(const QString& path) {
    struct stat info {};
    return ::stat(path.toLocal8Bit().constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}
} // namespace

class QtFileOutputTest : public QObject {
    Q_OBJECT

    QtFileOutput output;

private slots:
    void aCommittedPageReplacesTheOldOneWithExactlyItsBytes() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Grüße.htm");
        writeFile(path, "old page that is longer than the new one");
        auto file = output.create(path.toStdString());
        file->write("<HTML>\r\n");
        file->write("caf\xc3\xa9\r\n");
        QCOMPARE(contents(path), QByteArray("old page that is longer than the new one"));
        file->commit();
        QCOMPARE(contents(path), QByteArray("<HTML>\r\ncaf\xc3\xa9\r\n"));
        QCOMPARE(entries(dir.path()), QStringList{"Grüße.htm"});
    }

    void aWriteThatNeverCompletesLeavesTheOldPageAndNoTemporaryFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Clo.htm");
        writeFile(path, "the page the user had");
        {
            auto file = output.create(path.toStdString());
            file->write("half of a new pa");
            // The run stops here (a host call fails, the disk is full): the file is dropped.
        }
        QCOMPARE(contents(path), QByteArray("the page the user had"));
        QCOMPARE(entries(dir.path()), QStringList{"Clo.htm"});
    }

    void aCommitThatFailsReportsItAndLeavesNothingBehind() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("site");
        QVERIFY(QDir().mkdir(folder));
        auto file = output.create((folder + "/Clo.htm").toStdString());
        file->write("text");
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY_THROWS_EXCEPTION(FileError, file->commit());
        QVERIFY(entries(dir.path()).isEmpty());
    }

    // A disk that fills part way through the page (here a limit on the size of a file): the
    // system's reason, never "Unknown error", and nothing left behind.
    void aDiskThatFillsSaysWhy() {
        QTemporaryDir dir;
        rlimit before{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
        rlimit small = before;
        small.rlim_cur = 8192;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        std::string message;
        try {
            auto file = output.create(dir.filePath("Clo.htm").toStdString());
            file->write(std::string(20000, 'x'));
            file->commit();
        } catch (const FileError& error) {
            message = error.what();
        }
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(QString::fromStdString(message),
                 "The page file " + dir.filePath("Clo.htm") + " could not be written: " +
                     QString::fromLocal8Bit(std::strerror(EFBIG)) + ".");
        QVERIFY(entries(dir.path()).isEmpty());
    }

    void aPageThatCannotBeCreatedFailsBeforeAnythingIsWritten_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "no such folder/Clo.htm";
        QTest::newRow("a folder") << "existing";
        QTest::newRow("empty name") << "";
    }

    void aPageThatCannotBeCreatedFailsBeforeAnythingIsWritten() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("existing"));
        const QString path = dir.path() + "/" + name;
        try {
            output.create(path.toStdString());
            QFAIL("creating the page did not fail");
        } catch (const FileError& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(path), error.what());
        }
        QCOMPARE(entries(dir.path()), QStringList{"existing"});
    }

    // What is at the page's path before the Finished step, and what the user answers.
    void onlyAFileTheUserChoseIsWrittenOrReplaced_data() {
        QTest::addColumn<QString>("before"); // nothing, file, fifo, link to file, link to fifo
        QTest::addColumn<bool>("cancelPicker");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QString>("outcome"); // written, declined or refused
        QTest::newRow("picker cancelled") << "nothing" << true << true << "declined";
        QTest::newRow("existing file, Yes") << "file" << false << true << "written";
        QTest::newRow("existing file, No") << "file" << false << false << "declined";
        QTest::newRow("FIFO") << "fifo" << false << true << "refused";
        QTest::newRow("link to a FIFO") << "link to fifo" << false << true << "refused";
        QTest::newRow("link to a regular file") << "link to file" << false << true << "written";
    }

    void onlyAFileTheUserChoseIsWrittenOrReplaced() {
        QFETCH(QString, before);
        QFETCH(bool, cancelPicker);
        QFETCH(bool, answerYes);
        QFETCH(QString, outcome);
        QTemporaryDir dir;
        const QString page = dir.filePath("Clo.htm");
        const QString target = dir.filePath(before.endsWith("fifo") ? "pipe" : "old.htm");
        if (before.endsWith("file"))
            writeFile(target, "the user's page");
        if (before.endsWith("fifo"))
            QVERIFY(::mkfifo(target.toLocal8Bit().constData(), 0600) == 0);
        if (before.startsWith("link"))
            QVERIFY(QFile::link(target, page));
        else if (before != "nothing")
            QVERIFY(QFile::rename(target, page));
        const QStringList entriesBefore = entries(dir.path());

        test::EventLog log;
        test::RecordingPlatform platform(log);
        platform.pickedFolder = dir.path().toStdString();
        platform.cancelPicker = cancelPicker;
        platform.answerYes = answerYes;
        WizardState state;
        state.tool = ScriptTool::Clock;
        state.caption = "Clock";
        state.pageFileName = "Clo.htm";
        QString result = "written";
        try {
            WriteSeparatePage(state, nullptr, {platform, platform, output, platform, "/opt/"});
        } catch (const Declined&) {
            result = "declined";
        } catch (const FileError& error) {
            result = "refused";
            QVERIFY2(QString::fromStdString(error.what()).contains(page), error.what());
        }
        QCOMPARE(result, outcome);

        const bool asked = std::count(log.begin(), log.end(),
                                      "question: " + page.toStdString() +
                                          " already exists. Do you want to replace it?") == 1;
        QCOMPARE(asked, before.endsWith("file"));
        QCOMPARE(entries(dir.path()), entriesBefore);
        if (before.startsWith("link"))
            QVERIFY(QFileInfo(page).isSymLink());
        if (before.endsWith("fifo")) {
            QVERIFY(isFifo(page)); // and never opened: that would wait for a writer
            return;
        }
        const QByteArray bytes = contents(page);
        if (outcome == "written")
            QVERIFY2(bytes.startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>\r\nClock"), bytes);
        else if (before.endsWith("file"))
            QCOMPARE(bytes, QByteArray("the user's page"));
    }
};

QTEST_MAIN(QtFileOutputTest)
#include "QtFileOutputTest.moc"
