// SPDX-License-Identifier: MIT
// What the Emacs host does beyond the conformance table, in the real Emacs in tmux: calls that
// come while its "File to save in:" prompt is open wait for it, a second Emacs takes the bus name
// over when the first ends, each put is one step of Emacs's undo, and a put on a large page is
// quick.

#include "emacs/EmacsSession.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <vector>

using vorrel::test::EmacsSession;

namespace {

QDBusMessage hostCall(const QString& method, const QVariantList& args = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(QStringLiteral("Wexdor4.Plugin"),
                                                          QStringLiteral("/Wexdor4/Plugin"),
                                                          QStringLiteral("Wexdor4.Plugin"), method);
    message.setArguments(args);
    return message;
}

QDBusPendingCall send(const QString& method, const QVariantList& args = {}) {
    return QDBusConnection::sessionBus().asyncCall(hostCall(method, args), 120000);
}

// The call's reply once it has come: its text, or "error: <message>".
QString answerOf(QDBusPendingCall pending) {
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 120000))
        return QStringLiteral("(no answer)");
    const QDBusMessage reply = pending.reply();
    if (reply.type() == QDBusMessage::ErrorMessage)
        return QStringLiteral("error: ") + reply.errorMessage();
    return reply.arguments().isEmpty() ? QString() : reply.arguments()[0].toString();
}

QString call(const QString& method, const QVariantList& args = {}) {
    return answerOf(send(method, args));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QString write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
               ? QString()
               : "cannot write " + path;
}

const QByteArray kPage = "<html><head><title>t</title></head><body>\n<p>x</p>\n</body></html>\n";

} // namespace

class EmacsHostTest : public QObject {
    Q_OBJECT

private slots:
    // While the prompt waits for the user, a getworkdir would say "" and a put would go into the
    // minibuffer: both wait, and then see the saved page. The wizard's search for its host is
    // still answered at once.
    void callsDuringTheSavePromptWaitForIt() {
        QTemporaryDir dir;
        EmacsSession emacs;
        const QString started = emacs.start();
        QVERIFY2(started.isEmpty(), qPrintable(started));
        QCOMPARE(call("opennewfile"), QString());

        QDBusPendingCall save = send("forcesave");
        QVERIFY(QTest::qWaitFor([&] { return !emacs.prompts().isEmpty(); }, 30000));
        QVERIFY2(emacs.prompts().constFirst().startsWith("File to save in:"),
                 qPrintable(emacs.prompts().constFirst()));
        QDBusPendingCall folder = send("getworkdir");
        QDBusPendingCall put = send("puttexthead", {QStringLiteral("<script>h()</script>\n")});
        // Emacs takes calls in the order they come: had the two not waited, their answers would
        // be here before this one's.
        QCOMPARE(call("WM_ISWEXDORRUNNING"), QStringLiteral("1"));
        QVERIFY(!folder.isFinished());
        QVERIFY(!put.isFinished());

        const QString path = dir.filePath("new.html");
        QVERIFY(emacs.keys({"C-a", "C-k"}).isEmpty());
        QVERIFY(emacs.keys({path}, true).isEmpty());
        QVERIFY(emacs.keys({"Enter"}).isEmpty());
        QCOMPARE(answerOf(save), QString());
        QCOMPARE(answerOf(folder), dir.path() + "/");
        QCOMPARE(answerOf(put), QString());
        QCOMPARE(call("forcesave"), QString());
        QCOMPARE(readAll(path), QByteArray("<script>h()</script>\n"));
    }

    // C-g at the prompt leaves the document unsaved, and the wizard is told so.
    void aCancelledPromptIsAnError() {
        EmacsSession emacs;
        const QString started = emacs.start();
        QVERIFY2(started.isEmpty(), qPrintable(started));
        QCOMPARE(call("opennewfile"), QString());
        QDBusPendingCall save = send("forcesave");
        QVERIFY(QTest::qWaitFor([&] { return !emacs.prompts().isEmpty(); }, 30000));
        QVERIFY(emacs.keys({"C-g"}).isEmpty());
        QCOMPARE(answerOf(save), QStringLiteral("error: The document was not saved."));
        QCOMPARE(call("getworkdir"), QString());
        // The empty buffer is left unmodified, as it was: its mode line says so ("**" would be
        // modified).
        QVERIFY2(QTest::qWaitFor([&] { return emacs.screen().contains(":----F1  untitled.html"); },
                                 30000),
                 qPrintable(emacs.screen()));
    }

    // One host at a time: the second Emacs queues for the name and answers once the first ends.
    void aSecondEmacsTakesOverWhenTheFirstEnds() {
        QTemporaryDir first;
        QTemporaryDir second;
        QVERIFY(write(first.filePath("a.html"), kPage).isEmpty());
        QVERIFY(write(second.filePath("b.html"), kPage).isEmpty());
        EmacsSession one;
        QString started = one.start(first.filePath("a.html"));
        QVERIFY2(started.isEmpty(), qPrintable(started));
        EmacsSession two;
        started = two.start(second.filePath("b.html"), 0, 0, 2);
        QVERIFY2(started.isEmpty(), qPrintable(started));

        QCOMPARE(call("getworkdir"), first.path() + "/");
        one.stop();
        QCOMPARE(call("getworkdir"), second.path() + "/");
    }

    // Emacs's undo takes back one put at a time, the last first.
    void eachPutIsOneUndoStep() {
        QTemporaryDir dir;
        const QString path = dir.filePath("page.html");
        // The body's onload is joined: that put replaces the attribute's bytes.
        const QByteArray page =
            "<html><head><title>t</title></head><body onload=\"a()\">\n<p>x</p>\n</body></html>\n";
        QVERIFY(write(path, page).isEmpty());
        EmacsSession emacs;
        const QString started = emacs.start(path, 1, 0); // before "<p>x</p>"
        QVERIFY2(started.isEmpty(), qPrintable(started));
        QCOMPARE(call("puttextatcursor", {QStringLiteral("<form>\r\n<input>\r\n</form>\r\n")}),
                 QString());
        QCOMPARE(call("puttextinbody", {QStringLiteral(" onload=\"go()\"")}), QString());

        const QByteArray withForm = "<html><head><title>t</title></head><body onload=\"a()\">\n"
                                    "<form>\n<input>\n</form>\n<p>x</p>\n</body></html>\n";
        for (const QByteArray& expected : {withForm, page}) {
            QVERIFY(emacs.keys({"C-x", "u"}).isEmpty());
            // The echo area says so once the undo is done (a save says "Wrote" there).
            QVERIFY2(QTest::qWaitFor(
                         [&] { return emacs.screen().trimmed().endsWith(QLatin1String("Undo")); },
                         30000),
                     qPrintable(emacs.screen()));
            QCOMPARE(call("forcesave"), QString());
            QCOMPARE(readAll(path), expected);
        }
    }

    // One put on a 100 KB page, 20 times: the median of the round trips is the figure the
    // wizard's user waits for per put.
    void aPutOnALargePageIsQuick() {
        QTemporaryDir dir;
        const QString path = dir.filePath("large.html");
        QByteArray page = "<html><head><title>large</title></head><body>\n";
        while (page.size() < 100 * 1024)
            page += "<p>A paragraph of the page, with <b>some</b> markup in it.</p>\n";
        page += "</body></html>\n";
        QVERIFY(write(path, page).isEmpty());
        EmacsSession emacs;
        const QString started = emacs.start(path);
        QVERIFY2(started.isEmpty(), qPrintable(started));

        std::vector<qint64> micros;
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer timer;
            timer.start();
            const QString answer = call("puttextbody", {QStringLiteral("<p>put</p>\n")});
            micros.push_back(timer.nsecsElapsed() / 1000);
            QCOMPARE(answer, QString());
        }
        std::sort(micros.begin(), micros.end());
        const qint64 median = (micros[9] + micros[10]) / 2;
        qInfo("puttextbody on a %lld-byte page: median %.1f ms of 20 round trips",
              qlonglong(page.size()), double(median) / 1000.0);
        // The figure is reported; the bound is far above it (about 10 ms on an idle machine, 30 ms
        // beside a whole test run), so that only a put that has become slow in kind, such as one
        // that reads the buffer again per character, fails here.
        QVERIFY2(median <= 300000, "a put takes longer than 300 ms");
        QCOMPARE(call("forcesave"), QString());
        QCOMPARE(readAll(path).count("<p>put</p>\n"), qsizetype(20));
    }
};

QTEST_GUILESS_MAIN(EmacsHostTest)
#include "EmacsHostTest.moc"
