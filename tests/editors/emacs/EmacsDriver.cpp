// SPDX-License-Identifier: MIT
// The conformance table against the real Emacs (emacs -nw -Q in tmux) with vorrel-host-mode:
// Emacs opens the table's file with its cursor where the marker stood, and the driver answers
// the minibuffer prompts a call opens ("File to save in:", the replace question) as a user
// would, with tmux send-keys, once the test's prompt hook says the prompt is open.

#include "HostDriver.h"
#include "editors/protocol/HostProtocol.h"
#include "emacs/EmacsSession.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QFile>
#include <QtTest>

#include <memory>

namespace vorrel::test {

namespace {

class EmacsDriver : public HostDriver {
public:
    QString start(const HostStart& start) override {
        saveAs_ = start.saveAs;
        replace_ = start.replace;
        std::optional<CursorPosition> cursor;
        if (!start.file.isEmpty()) {
            QFile file(start.file);
            if (!file.open(QIODevice::ReadWrite))
                return "cannot open " + start.file;
            QByteArray document = file.readAll();
            cursor = takeCursorMarker(document);
            file.resize(0);
            file.write(document);
        }
        emacs_ = std::make_unique<EmacsSession>();
        return emacs_->start(start.file, cursor ? cursor->line : 0, cursor ? cursor->column : 0);
    }

    QDBusMessage call(const QString& method, const QVariantList& args) override {
        QDBusMessage message = QDBusMessage::createMethodCall(
            QString::fromLatin1(wexdor4::kBusName), QString::fromLatin1(wexdor4::kObjectPath),
            QString::fromLatin1(wexdor4::kInterface), method);
        message.setArguments(args);
        message.setAutoStartService(false);
        constexpr int kTwoMinutes = 120000;
        QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(message, kTwoMinutes);
        // Every prompt that opens during the call is answered, the first first.
        while (QTest::qWaitFor(
            [&] { return pending.isFinished() || emacs_->prompts().size() > answered_; },
            kTwoMinutes)) {
            if (pending.isFinished())
                return pending.reply();
            answer(emacs_->prompts().at(answered_++));
        }
        return QDBusMessage::createError(
            QDBusError::Timeout, method + " did not answer; Emacs shows:\n" + emacs_->screen());
    }

    void stop() override {
        emacs_.reset();
        answered_ = 0;
    }

private:
    void answer(const QString& prompt) {
        if (prompt.startsWith(QLatin1String("File to save in:")) && !saveAs_.isEmpty()) {
            // The minibuffer starts with the buffer's folder in it: the path takes its place.
            emacs_->keys({QStringLiteral("C-a"), QStringLiteral("C-k")});
            emacs_->keys({saveAs_}, true);
            emacs_->keys({QStringLiteral("Enter")});
        } else if (prompt.contains(QLatin1String("Do you want to replace it?")) &&
                   replace_ != HostStart::Consent::NotAsked) {
            emacs_->keys(
                {replace_ == HostStart::Consent::Yes ? QStringLiteral("y") : QStringLiteral("n")});
        } else {
            qWarning("Emacs asked what the row does not answer: %s", qPrintable(prompt));
            emacs_->keys({QStringLiteral("C-g")});
        }
    }

    std::unique_ptr<EmacsSession> emacs_;
    qsizetype answered_ = 0; // prompts answered in this row
    QString saveAs_;
    HostStart::Consent replace_ = HostStart::Consent::NotAsked;
};

} // namespace

std::unique_ptr<HostDriver> makeHostDriver() {
    return std::make_unique<EmacsDriver>();
}

} // namespace vorrel::test
