#include "app/QtFileOutput.h"
#include "app/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

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
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
};

QTEST_MAIN(QtFileOutputTest)
#include "QtFileOutputTest.moc"
