// SPDX-License-Identifier: MIT
// The conformance table run against one host, through the host's driver (HostDriver.h).

#include "ConformanceTable.h"
#include "HostDriver.h"

#include "editors/protocol/HostProtocol.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include <sys/stat.h>

namespace vorrel::test {

QDBusMessage HostDriver::call(const QString& method, const QVariantList& args) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(wexdor4::kBusName), QString::fromLatin1(wexdor4::kObjectPath),
        QString::fromLatin1(wexdor4::kInterface), method);
    message.setArguments(args);
    message.setAutoStartService(false);
    constexpr int kTwoMinutes = 120000;
    QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(message, kTwoMinutes);
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, kTwoMinutes + 1000))
        return QDBusMessage::createError(QDBusError::Timeout, method + " did not answer");
    return pending.reply();
}

std::optional<CursorPosition> takeCursorMarker(QByteArray& document) {
    static const QByteArray marker = "<!--cursor-->";
    const qsizetype at = document.indexOf(marker);
    if (at < 0)
        return std::nullopt;
    const qsizetype lineStart = document.lastIndexOf('\n', at - 1) + 1;
    const QString before = QString::fromUtf8(document.mid(lineStart, at - lineStart));
    CursorPosition position;
    position.line = int(document.left(at).count('\n'));
    position.column = int(before.toUcs4().size());
    position.utf16Column = int(before.size());
    document.remove(at, marker.size());
    return position;
}

} // namespace vorrel::test

using namespace vorrel::test;

namespace {

bool takesArgument(const QString& method) {
    return method.startsWith(QLatin1String("puttext")) || method == QLatin1String("copyfiles") ||
           method == QLatin1String("browserpreview");
}

QString describe(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage)
        return QStringLiteral("error %1: %2").arg(reply.errorName(), reply.errorMessage());
    if (reply.type() != QDBusMessage::ReplyMessage)
        return QStringLiteral("no reply (%1)").arg(int(reply.type()));
    return QStringLiteral("reply (%1) %2")
        .arg(reply.signature(),
             reply.arguments().isEmpty() ? QString() : reply.arguments()[0].toString());
}

// What is wrong with `reply` to `call`; empty when nothing is.
QString mismatch(const ProtocolCall& call, const QDBusMessage& reply, const QString& dir) {
    QString expected = call.expected;
    expected.replace(QLatin1String("{dir}"), dir);
    const bool ok = reply.type() == QDBusMessage::ReplyMessage;
    switch (call.answer) {
    case ProtocolCall::Answer::Done:
        return ok ? QString() : QStringLiteral("expected success");
    case ProtocolCall::Answer::Text:
        return ok && reply.arguments().size() == 1 && reply.arguments()[0].toString() == expected
                   ? QString()
                   : QStringLiteral("expected the answer \"%1\"").arg(expected);
    case ProtocolCall::Answer::Error:
        return reply.type() == QDBusMessage::ErrorMessage &&
                       reply.errorMessage().contains(expected, Qt::CaseInsensitive)
                   ? QString()
                   : QStringLiteral("expected an error about \"%1\"").arg(expected);
    }
    return QStringLiteral("unknown answer");
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Makes the row's files in `dir`: a file, or a FIFO for null bytes. Empty, or what failed.
QString makeFiles(const std::vector<FolderFile>& files, const QDir& dir) {
    for (const FolderFile& made : files) {
        const QString path = dir.filePath(QString::fromUtf8(made.path));
        if (!dir.mkpath(QFileInfo(path).path()))
            return QStringLiteral("cannot make the folder of ") + path;
        if (made.bytes.isNull()) {
            if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
                return QStringLiteral("cannot make the FIFO ") + path;
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(made.bytes) != made.bytes.size())
            return QStringLiteral("cannot write ") + path;
    }
    return {};
}

// The first of `expected` that `dir` does not hold as it says; empty when all are right.
QString folderMismatch(const std::vector<FolderFile>& expected, const QDir& dir) {
    for (const FolderFile& file : expected) {
        const QString path = dir.filePath(QString::fromUtf8(file.path));
        const QFileInfo info(path);
        if (file.bytes.isNull() ? info.exists() : !info.isFile() || readAll(path) != file.bytes)
            return QStringLiteral("%1 should %2, and holds \"%3\"")
                .arg(file.path,
                     file.bytes.isNull() ? QStringLiteral("not be there")
                                         : QStringLiteral("hold \"%1\"").arg(file.bytes),
                     info.exists() ? QString::fromUtf8(readAll(path)) : QStringLiteral("nothing"));
    }
    return {};
}

// What a row that starts untitled saves in a host whose untitled document is `untitled`.
QByteArray untitledExpectation(const ConformanceRow& row, const QByteArray& untitled) {
    if (untitled.isEmpty())
        return row.expected;
    return untitled == untitledSkeleton ? row.expectedFromSkeleton : QByteArray("(no expectation)");
}

} // namespace

class ConformanceTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<HostDriver> driver_ = makeHostDriver();
    std::optional<QTemporaryDir> dir_; // the current row's folder

    // Each table row keeps to the rules that make it right for every host.
    static QString tableFault(const ConformanceRow& row) {
        bool atCursor = false;
        for (const ProtocolCall& call : row.calls)
            atCursor = atCursor || call.method == QLatin1String("puttextatcursor");
        const bool marked = row.document.contains("<!--cursor-->");
        if (atCursor && row.start == ConformanceRow::Start::File && !marked)
            return QStringLiteral("a row that puts at the cursor needs a cursor marker");
        if (marked && !atCursor)
            return QStringLiteral("a cursor marker without a put at the cursor");
        if (row.untitled && atCursor)
            return QStringLiteral("an untitled row cannot put at the cursor");
        return {};
    }

private slots:
    void conformance_data() {
        QTest::addColumn<int>("index");
        const auto& table = conformanceTable();
        for (int i = 0; i < int(table.size()); ++i)
            QTest::newRow(table[size_t(i)].name) << i;
    }

    void conformance() {
        QFETCH(int, index);
        const ConformanceRow& row = conformanceTable()[size_t(index)];
        const QString fault = tableFault(row);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        if (row.start == ConformanceRow::Start::NoDocument && !row.untitled &&
            !driver_->opensWithoutDocument())
            QSKIP("This host always has a document open.");

        // The row's folder outlives the host: cleanup() stops the host before it goes.
        QTemporaryDir& dir = dir_.emplace();
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral(".driver")));
        HostStart start{{},
                        dir.filePath(QStringLiteral("untitled.html")),
                        dir.filePath(QStringLiteral(".driver")),
                        row.replace};
        const QString made = makeFiles(row.files, QDir(dir.path()));
        QVERIFY2(made.isEmpty(), qPrintable(made));
        if (row.start == ConformanceRow::Start::File) {
            start.file = dir.filePath(QStringLiteral("page.html"));
            QFile file(start.file);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(row.document), row.document.size());
        }
        const QString started = driver_->start(start);
        QVERIFY2(started.isEmpty(), qPrintable(started));

        for (size_t i = 0; i < row.calls.size(); ++i) {
            const ProtocolCall& call = row.calls[i];
            QString argument = call.argument;
            argument.replace(QLatin1String("{dir}"), dir.path());
            const QVariantList args =
                takesArgument(call.method) ? QVariantList{argument} : QVariantList{};
            const QDBusMessage reply = driver_->call(call.method, args);
            const QString wrong = mismatch(call, reply, dir.path());
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("call %1, %2: %3, got %4")
                                                     .arg(i + 1)
                                                     .arg(call.method, wrong, describe(reply))));
        }
        const QString folderWrong = folderMismatch(row.expectedFiles, QDir(dir.path()));
        QVERIFY2(folderWrong.isEmpty(), qPrintable(folderWrong));
        if (row.expected.isNull() && !row.untitled)
            return;

        const QDBusMessage saved = driver_->call(QStringLiteral("forcesave"));
        QVERIFY2(saved.type() == QDBusMessage::ReplyMessage, qPrintable(describe(saved)));
        const QByteArray expected =
            row.untitled ? untitledExpectation(row, driver_->untitledText()) : row.expected;
        QCOMPARE(readAll(row.untitled ? start.saveAs : start.file), expected);
    }

    void cleanup() {
        driver_->stop();
        dir_.reset();
    }
};

QTEST_GUILESS_MAIN(ConformanceTest)
#include "ConformanceTest.moc"
