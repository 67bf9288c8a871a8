// SPDX-License-Identifier: MIT
// The conformance table against the real Kate with the Vorrel host plugin: `kate -n` on an X
// server of its own, its cursor where the row's marker stood, and Kate's Save As dialog
// answered as its user would.

#include "HostDriver.h"
#include "QuestionAnswer.h"

#include "editors/protocol/HostProtocol.h"
#include "support/KateUnderXvfb.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QFile>
#include <QFileInfo>

namespace vorrel::test {

namespace {

QDBusPendingCall callAsync(const QString& method) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(wexdor4::kBusName), QString::fromLatin1(wexdor4::kObjectPath),
        QString::fromLatin1(wexdor4::kInterface), method);
    message.setAutoStartService(false);
    return QDBusConnection::sessionBus().asyncCall(message, 120000);
}

bool finishes(QDBusPendingCall& call) {
    return QTest::qWaitFor([&] { return call.isFinished(); }, 120000);
}

QDBusMessage failure(const QString& why) {
    return QDBusMessage::createError(QStringLiteral("Vorrel.Test.Driver"), why);
}

class KateDriver : public HostDriver {
public:
    QString start(const HostStart& start) override {
        saveAs_ = start.saveAs;
        replace_ = start.replace;
        QStringList arguments;
        if (!start.file.isEmpty()) {
            const QString error = takeCursor(start.file, arguments);
            if (!error.isEmpty())
                return error;
            arguments << start.file;
        }
        return kate_.start(arguments) ? QString() : kate_.failure;
    }

    // forcesave of an untitled document opens Kate's Save As dialog. A call made while it is
    // open must wait its turn: getworkdir asked then answers the folder the dialog chose.
    QDBusMessage call(const QString& method, const QVariantList& args) override {
        if (method == QLatin1String("copyfiles") && replace_ != HostStart::Consent::NotAsked) {
            QProcess user;
            answerQuestion(user, kate_.display(), replace_ == HostStart::Consent::Yes);
            const QDBusMessage reply = HostDriver::call(method, args);
            user.kill();
            user.waitForFinished(5000);
            return reply;
        }
        if (method != QLatin1String("forcesave"))
            return HostDriver::call(method, args);
        QDBusPendingCall save = callAsync(method);
        if (!kate_.saveDialogShowsBefore([&] { return save.isFinished(); }))
            return finishes(save) ? save.reply() : failure(QStringLiteral("forcesave hangs"));
        QDBusPendingCall folder = callAsync(QStringLiteral("getworkdir"));
        // Answered at once, so Kate has the getworkdir call before the dialog closes.
        if (HostDriver::call(QStringLiteral("WM_ISWEXDORRUNNING")).type() !=
            QDBusMessage::ReplyMessage)
            return failure(QStringLiteral("Kate does not answer while its Save As dialog is open"));
        if (folder.isFinished())
            return failure(QStringLiteral("getworkdir was answered while the dialog was open"));
        if (!kate_.answerSaveAs(saveAs_, [&] { return save.isFinished(); }) || !finishes(folder))
            return failure(QStringLiteral("the Save As dialog could not be answered"));
        const QString expected = QFileInfo(saveAs_).absolutePath() + QLatin1Char('/');
        if (folder.reply().arguments().value(0).toString() != expected)
            return failure(QStringLiteral("getworkdir asked during the dialog answered \"%1\"")
                               .arg(folder.reply().arguments().value(0).toString()));
        return save.reply();
    }

    void stop() override { kate_.stop(); }

private:
    // The row's cursor marker becomes Kate's cursor, given on its command line.
    static QString takeCursor(const QString& path, QStringList& arguments) {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite))
            return QStringLiteral("cannot read ") + path;
        QByteArray document = file.readAll();
        const std::optional<CursorPosition> cursor = takeCursorMarker(document);
        if (!cursor)
            return {};
        file.resize(0);
        file.write(document);
        arguments << QStringLiteral("--line") << QString::number(cursor->line + 1)
                  << QStringLiteral("--column") << QString::number(cursor->utf16Column + 1);
        return {};
    }

    KateUnderXvfb kate_;
    QString saveAs_;
    HostStart::Consent replace_ = HostStart::Consent::NotAsked;
};

} // namespace

std::unique_ptr<HostDriver> makeHostDriver() {
    return std::make_unique<KateDriver>();
}

} // namespace vorrel::test
