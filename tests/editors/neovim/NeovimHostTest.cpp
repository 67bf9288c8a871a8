// SPDX-License-Identifier: MIT
// What the Neovim host's bridge does that the conformance table cannot see: calls that come
// while the save prompt is open wait until it is answered, and a second Neovim waits for the bus
// name and serves once the first has ended.

#include "support/NeovimSession.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorrel;

namespace {

QDBusPendingCall callHost(const QString& method, const QVariantList& args = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall("Wexdor4.Plugin", "/Wexdor4/Plugin",
                                                          "Wexdor4.Plugin", method);
    message.setArguments(args);
    return QDBusConnection::sessionBus().asyncCall(message, 60000);
}

QString answer(QDBusPendingCall call) {
    call.waitForFinished();
    const QDBusMessage reply = call.reply();
    return reply.type() == QDBusMessage::ErrorMessage ? "error: " + reply.errorMessage()
                                                      : reply.arguments().value(0).toString();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class NeovimHostTest : public QObject {
    Q_OBJECT

private slots:
    void callsDuringTheSavePromptWaitForItsAnswer() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("nvim"));
        test::NeovimSession nvim;
        QVERIFY2(nvim.start(dir.filePath("nvim")), qPrintable(nvim.failure));
        QCOMPARE(answer(callHost("opennewfile")), QString());
        QDBusPendingCall save = callHost("forcesave");
        QVERIFY(QTest::qWaitFor([&] { return nvim.mode() == "c"; }, 20000));

        QDBusPendingCall folder = callHost("getworkdir");
        QDBusPendingCall put = callHost("puttexthead", {"<script>h()</script>\n"});
        // The bridge has both calls once it answers this one, which it answers itself; Neovim
        // has then seen whatever the bridge sent it before this request of ours.
        QCOMPARE(answer(callHost("WM_ISWEXDORRUNNING")), "1");
        QVERIFY2(!nvim.request("nvim_eval", {"1"}).isNull(), qPrintable(nvim.failure));
        QVERIFY(!folder.isFinished() && !put.isFinished());

        const QString path = dir.filePath("saved.html");
        QVERIFY(nvim.input(path + "<CR>"));
        QCOMPARE(answer(save), QString());
        QCOMPARE(answer(folder), dir.path() + "/");
        QCOMPARE(answer(put), QString());
        QCOMPARE(answer(callHost("forcesave")), QString());
        QCOMPARE(readAll(path), "<script>h()</script>\n");
    }

    // The untitled document's save prompt, answered in each way its user can.
    void theSavePromptsAnswers_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QByteArray>("existing"); // what saved.html holds after the save
        QTest::newRow("a new file") << "{path}<CR>"
                                    << "" << QByteArray("<body><p>x</p>\n");
        QTest::newRow("Esc") << "{path}<Esc>"
                             << "error: The document was not saved." << QByteArray();
        QTest::newRow("an empty answer") << "<CR>"
                                         << "error: The document was not saved." << QByteArray();
        QTest::newRow("Ctrl-C") << "{path}<C-c>"
                                << "error: The document was not saved." << QByteArray();
        QTest::newRow("an existing file stays")
            << "{path}<CR>"
            << "error: The document was not saved: {path} exists already." << QByteArray("mine");
    }

    void theSavePromptsAnswers() {
        QFETCH(QString, keys);
        QFETCH(QString, reply);
        QFETCH(QByteArray, existing);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("nvim"));
        const QString path = dir.filePath("saved.html");
        if (existing == "mine") {
            QFile mine(path);
            QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
        }
        test::NeovimSession nvim;
        QVERIFY2(nvim.start(dir.filePath("nvim")), qPrintable(nvim.failure));
        QCOMPARE(answer(callHost("opennewfile")), QString());
        QCOMPARE(answer(callHost("puttextbody", {"<p>x</p>\n"})), QString());
        QDBusPendingCall save = callHost("forcesave");
        QVERIFY(QTest::qWaitFor([&] { return nvim.mode() == "c"; }, 20000));
        QVERIFY(nvim.input(keys.replace("{path}", path)));
        QCOMPARE(answer(save), reply.replace("{path}", path));
        QCOMPARE(QFile::exists(path) ? readAll(path) : QByteArray(), existing);
        // A document left untitled is still untitled; a saved one has its folder.
        QCOMPARE(answer(callHost("getworkdir")), reply.isEmpty() ? dir.path() + "/" : QString());
    }

    void aSecondNeovimWaitsForTheNameAndTakesItOver() {
        QTemporaryDir first, second;
        for (QTemporaryDir* dir : {&first, &second}) {
            QVERIFY(QDir(dir->path()).mkdir("nvim"));
            QFile page(dir->filePath("page.html"));
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
        auto host = std::make_unique<test::NeovimSession>();
        QVERIFY2(host->start(first.filePath("nvim"), {first.filePath("page.html")}),
                 qPrintable(host->failure));
        test::NeovimSession waiting;
        QVERIFY2(waiting.start(second.filePath("nvim"), {second.filePath("page.html")}),
                 qPrintable(waiting.failure));
        // The second bridge waits in line for the name.
        QVERIFY(
            QTest::qWaitFor([] { return test::NeovimSession::queuedHosts().size() == 2; }, 20000));
        QCOMPARE(answer(callHost("getworkdir")), first.path() + "/");

        host.reset();
        QVERIFY(QTest::qWaitFor(
            [&] { return answer(callHost("getworkdir")) == second.path() + "/"; }, 20000));
    }
};

QTEST_MAIN(NeovimHostTest)
#include "NeovimHostTest.moc"
