// SPDX-License-Identifier: MIT
// The stand-in host as the wizard meets it: a separate process on the session bus, called by
// name, editing a real file. Where each text goes, and the answers every host gives alike, are
// the conformance table's (tests/editors/ConformanceTable.cpp); this is what is htmlhost's own.

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/EndProcess.h"

#include <cerrno>
#include <csignal>
#include <memory>
#include <sys/stat.h>

namespace {

const QString kName = QStringLiteral("Wexdor4.Plugin");
const QString kPath = QStringLiteral("/Wexdor4/Plugin");
const QString kError = QStringLiteral("Wexdor4.Plugin.Error");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

struct stat statOf(const QString& path) {
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

QDBusMessage call(const QString& method, const QVariantList& args = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(kName, kPath, kName, method);
    message.setArguments(args);
    message.setAutoStartService(false);
    return QDBusConnection::sessionBus().call(message);
}

QString describe(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage)
        return QStringLiteral("error %1: %2").arg(reply.errorName(), reply.errorMessage());
    return QStringLiteral("reply (%1) %2")
        .arg(reply.signature(),
             reply.arguments().isEmpty() ? QString() : reply.arguments()[0].toString());
}

// The one text a call answers, or a description of what came instead.
QString textOf(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage && reply.signature() == QLatin1String("s")
               ? reply.arguments()[0].toString()
               : describe(reply);
}

// Empty for a call that succeeded and answered nothing.
QString failureOf(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().isEmpty()
               ? QString()
               : describe(reply);
}

// The host's message for a call that failed the way the host fails, or a note that it did not.
QString errorOf(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ErrorMessage && reply.errorName() == kError
               ? reply.errorMessage()
               : QStringLiteral("(not a host error: %1)").arg(describe(reply));
}

bool nameOwned() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(kName).value();
}

} // namespace

class HtmlHostBusTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::vector<std::unique_ptr<QProcess>> hosts_;

    QString file(const QString& name) const { return dir_->filePath(name); }
    QString folder() const { return dir_->path(); }

    // With a `shell` command, htmlhost is started by "sh -c" running it, which then runs
    // htmlhost in its own place (exec) with `args`.
    QProcess* launch(const QStringList& args,
                     const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                     const QString& shell = {}) {
        auto& host = hosts_.emplace_back(std::make_unique<QProcess>());
        host->setProcessEnvironment(env);
        const QString program =
            qEnvironmentVariable("VORREL_BIN_DIR") + QStringLiteral("/htmlhost");
        if (shell.isEmpty())
            host->start(program, args);
        else
            host->start("/bin/sh",
                        QStringList{"-c", shell + "; exec \"$0\" \"$@\"", program} + args);
        return host.get();
    }

    // Starts a host and waits until it, and no other process, answers to the host's name.
    QProcess* startHost(const QStringList& args,
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                        const QString& shell = {}) {
        QProcess* host = launch(args, env, shell);
        const auto ownedByHost = [host] {
            const auto pid = QDBusConnection::sessionBus().interface()->servicePid(kName);
            return pid.isValid() && pid.value() == quint64(host->processId());
        };
        const bool settled = QTest::qWaitFor(
            [&] { return ownedByHost() || host->state() == QProcess::NotRunning; }, 10000);
        if (settled && ownedByHost())
            return host;
        qWarning("htmlhost did not take the bus name: %s",
                 host->readAllStandardError().constData());
        return nullptr;
    }

    // Runs a host that is expected to give up at once; its exit code and what it said.
    std::pair<int, QString>
    runFailingHost(const QStringList& args,
                   const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
        QProcess* host = launch(args, env);
        if (!host->waitForFinished(10000))
            return {-1, QStringLiteral("(still running)")};
        return {host->exitStatus() == QProcess::NormalExit ? host->exitCode() : -1,
                QString::fromLocal8Bit(host->readAllStandardError())};
    }

private slots:
    void initTestCase() {
        const QFileInfo host(qEnvironmentVariable("VORREL_BIN_DIR") + "/htmlhost");
        QVERIFY2(host.isExecutable(),
                 qPrintable(host.filePath() + " is missing; set VORREL_BIN_DIR"));
    }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void cleanup() {
        for (auto& host : hosts_)
            vorrel::test::endProcess(*host, 5000);
        hosts_.clear();
        QTRY_VERIFY(!nameOwned());
    }

    void savesByReplacingTheFileWhole() {
        const QByteArray before = "<html><head></head>\r\n<body></body></html>\r\n";
        const QString page = file("page.html");
        writeAll(page, before);
        QVERIFY(QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(startHost({page}));
        const ino_t inode = statOf(page).st_ino;
        QFile earlyReader(page);
        QVERIFY(earlyReader.open(QIODevice::ReadOnly));

        QCOMPARE(failureOf(call("puttexthead", {"<script></script>"})), QString());

        QVERIFY(statOf(page).st_ino != inode);
        QCOMPARE(earlyReader.readAll(), before);
        QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"page.html"});
        QCOMPARE(statOf(page).st_mode & 0777, 0600u);
    }

    void copiesListedFilesIntoTheDocumentsFolder() {
        writeAll(file("page.html"), "<html></html>");
        QTemporaryDir images;
        const QByteArray gif("GIF89a\0\r\n\x80\xff", 12);
        writeAll(images.filePath("a b.gif"), gif);
        writeAll(images.filePath("c.jpg"), "jpeg bytes");
        QVERIFY(startHost({file("page.html")}));

        const QString list = images.filePath("a b.gif") + ";" + images.filePath("c.jpg") + ";";
        QCOMPARE(failureOf(call("copyfiles", {list})), QString());
        QCOMPARE(readAll(file("a b.gif")), gif);
        QCOMPARE(readAll(file("c.jpg")), QByteArray("jpeg bytes"));

        const QStringList listed = QDir(folder()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(failureOf(call("copyfiles", {QString()})), QString());
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), listed);

        // A missing file fails the whole list before anything is copied.
        QVERIFY(QFile::remove(file("c.jpg")));
        const QString missing = images.filePath("gone.png");
        const QString bad = images.filePath("c.jpg") + ";" + missing + ";";
        QVERIFY(errorOf(call("copyfiles", {bad})).contains(missing));
        QVERIFY(!QFile::exists(file("c.jpg")));
    }

    void untitledDocumentLivesInMemoryUntilSaved() {
        QVERIFY(QDir(folder()).mkdir("out"));
        const QString target = file("out/new.html");
        QVERIFY(startHost({"--save-as", target}));
        QCOMPARE(failureOf(call("opennewfile")), QString());
        QCOMPARE(failureOf(call("puttexthead", {"<script></script>\n"})), QString());
        QVERIFY(!QFile::exists(target));
        QVERIFY(errorOf(call("copyfiles", {target + ";"})).contains("not been saved"));

        QCOMPARE(failureOf(call("forcesave")), QString());
        QCOMPARE(textOf(call("getworkdir")), file("out") + "/");
        QCOMPARE(failureOf(call("puttextbody", {"<p>saved at once</p>"})), QString());
        QVERIFY(readAll(target).contains("<p>saved at once</p></body>"));
    }

    // A write the system cuts short (a full disk; here the file size limit, which a test can
    // set) fails with the system's reason, and the file keeps its old bytes.
    void cutShortWriteNamesTheSystemsReason() {
        const QByteArray before = "<html><head></head><body></body></html>";
        writeAll(file("page.html"), before);
        QVERIFY(startHost({file("page.html")}, QProcessEnvironment::systemEnvironment(),
                          "trap '' XFSZ; ulimit -f 8"));
        const QString said = errorOf(call("puttexthead", {QString(20000, 'x')}));
        QVERIFY2(said.contains(file("page.html")) && said.contains(qt_error_string(EFBIG)),
                 qPrintable(said));
        QCOMPARE(readAll(file("page.html")), before);
    }

    void forcesaveWithoutSaveAsIsAnError() {
        QVERIFY(startHost({}));
        QCOMPARE(failureOf(call("opennewfile")), QString());
        QVERIFY(errorOf(call("forcesave")).contains("--save-as"));
        QCOMPARE(textOf(call("getworkdir")), QString());
    }

    void logsEveryCallAsOneJsonLine() {
        writeAll(file("page.html"), "<html><head></head><body></body></html>");
        const QString log = file("calls.log");
        writeAll(log, "earlier run\n");
        QVERIFY(startHost({file("page.html"), "--log", log}));
        const QString tricky = QString::fromUtf8("say \"hi\" \\ \r\n caf\xc3\xa9");
        call("WM_ISWEXDORRUNNING");
        call("puttexthead", {tricky});
        call("copyfiles", {"/no/such/file;"});
        call("getworkdir");

        const QList<QByteArray> lines = readAll(log).split('\n');
        const QList<QPair<QString, QStringList>> expected = {
            {"WM_ISWEXDORRUNNING", {}},
            {"puttexthead", {tricky}},
            {"copyfiles", {"/no/such/file;"}},
            {"getworkdir", {}},
        };
        QCOMPARE(lines.size(), expected.size() + 2); // the earlier line, and the last line end
        QCOMPARE(lines.first(), QByteArray("earlier run"));
        QCOMPARE(lines.last(), QByteArray());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QJsonParseError parseError;
            const QJsonObject entry = QJsonDocument::fromJson(lines[i + 1], &parseError).object();
            QVERIFY2(parseError.error == QJsonParseError::NoError, lines[i + 1].constData());
            QCOMPARE(entry.value("method").toString(), expected[i].first);
            QCOMPARE(entry.value("args").toVariant().toStringList(), expected[i].second);
        }
    }

    void previewHandsThePageToTheDesktopOpener() {
        QVERIFY(QDir(folder()).mkdir("bin"));
        const QString opened = file("opened.txt");
        writeAll(file("bin/xdg-open"), "#!/bin/sh\nprintf '%s|' \"$@\" > '" + opened.toUtf8() +
                                           ".part'\n"
                                           "mv '" +
                                           opened.toUtf8() + ".part' '" + opened.toUtf8() + "'\n");
        QVERIFY(QFile::setPermissions(file("bin/xdg-open"), QFile::ReadOwner | QFile::ExeOwner));
        writeAll(file("Clock.htm"), "<html></html>");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", file("bin") + ":" + env.value("PATH"));
        QVERIFY(startHost({}, env));

        QCOMPARE(failureOf(call("browserpreview", {file("Clock.htm")})), QString());
        QTRY_COMPARE_WITH_TIMEOUT(readAll(opened), file("Clock.htm").toUtf8() + "|", 10000);
        QVERIFY(errorOf(call("browserpreview", {file("none.htm")})).contains(file("none.htm")));
    }

    void previewWithoutAnOpenerIsAnError() {
        writeAll(file("Clock.htm"), "<html></html>");
        QVERIFY(QDir(folder()).mkdir("empty"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", file("empty"));
        QVERIFY(startHost({}, env));
        QVERIFY(errorOf(call("browserpreview", {file("Clock.htm")})).contains("xdg-open"));
        QCOMPARE(textOf(call("isopendoc")), QStringLiteral("false"));
    }

    void takenNameEndsASecondHost() {
        QVERIFY(startHost({}));
        const auto [code, said] = runFailingHost({});
        QCOMPARE(code, 1);
        QVERIFY2(said.contains(kName) && said.contains("taken"), qPrintable(said));
        QCOMPARE(textOf(call("isopendoc")), QStringLiteral("false"));
    }

    void startUpProblemsEndTheHost() {
        QProcessEnvironment noBus = QProcessEnvironment::systemEnvironment();
        noBus.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        const auto [busCode, busSaid] = runFailingHost({}, noBus);
        QCOMPARE(busCode, 1);
        QVERIFY2(busSaid.contains("session bus"), qPrintable(busSaid));

        const auto [fileCode, fileSaid] = runFailingHost({file("absent.html")});
        QCOMPARE(fileCode, 1);
        QVERIFY2(fileSaid.contains(file("absent.html")), qPrintable(fileSaid));
        QVERIFY(!nameOwned());
    }

    // Opening a FIFO would wait for a writer and /dev/zero would be read for ever: the host must
    // refuse them without opening them, before it takes the bus name.
    void nonRegularFilesEndTheHost_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("FIFO") << QStringLiteral("fifo.html");
        QTest::newRow("link to a FIFO") << QStringLiteral("link.html");
        QTest::newRow("device") << QStringLiteral("/dev/zero");
    }

    void nonRegularFilesEndTheHost() {
        QFETCH(QString, path);
        QCOMPARE(::mkfifo(QFile::encodeName(file("fifo.html")).constData(), 0600), 0);
        QVERIFY(QFile::link(file("fifo.html"), file("link.html")));
        const QString given = path.startsWith('/') ? path : file(path);
        const auto [code, said] = runFailingHost({given});
        QCOMPARE(code, 1);
        QVERIFY2(said.contains(given) && said.contains("not a regular file"), qPrintable(said));
        QVERIFY(!nameOwned());
    }

    // Saving renames a new file over the target, which would put it in the FIFO's place.
    void untitledDocumentIsNotSavedOverAFifo() {
        const QString fifo = file("fifo.html");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(startHost({"--save-as", fifo}));
        QCOMPARE(failureOf(call("opennewfile")), QString());
        const QString said = errorOf(call("forcesave"));
        QVERIFY2(said.contains(fifo) && said.contains("not a regular file"), qPrintable(said));
        QVERIFY(S_ISFIFO(statOf(fifo).st_mode));
        QCOMPARE(textOf(call("getworkdir")), QString());
    }

    void signalsEndItCleanly_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void signalsEndItCleanly() {
        QFETCH(int, signal);
        QProcess* host = startHost({});
        QVERIFY(host);
        QCOMPARE(::kill(pid_t(host->processId()), signal), 0);
        QVERIFY(host->waitForFinished(10000));
        QCOMPARE(host->exitStatus(), QProcess::NormalExit);
        QCOMPARE(host->exitCode(), 0);
        QTRY_VERIFY(!nameOwned());
    }
};

QTEST_GUILESS_MAIN(HtmlHostBusTest)
#include "HtmlHostBusTest.moc"
