// SPDX-License-Identifier: MIT
// The conformance table against a headless Neovim with the Vorrel host plugin: Neovim opens the
// table's file with its cursor where the marker stood, and the driver answers the plugin's save
// prompt and its replace question over msgpack-RPC, typing as a user would once Neovim shows it.

#include "HostDriver.h"
#include "support/NeovimSession.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QFile>
#include <QtTest>

#include <memory>

namespace vorrel::test {

namespace {

class NeovimDriver : public HostDriver {
public:
    QString start(const HostStart& start) override {
        saveAs_ = start.saveAs;
        replace_ = start.replace;
        QStringList arguments;
        std::optional<QVariantList> cursor;
        if (!start.file.isEmpty()) {
            QFile file(start.file);
            if (!file.open(QIODevice::ReadWrite))
                return "cannot open " + start.file;
            QByteArray document = file.readAll();
            // Neovim counts a line's columns in bytes.
            const qsizetype at = document.indexOf("<!--cursor-->");
            const qsizetype lineStart = document.lastIndexOf('\n', at - 1) + 1;
            if (const auto position = takeCursorMarker(document)) {
                file.resize(0);
                file.write(document);
                cursor = QVariantList{qint64(position->line + 1), qint64(at - lineStart)};
            }
            arguments << start.file;
        }
        nvim_ = std::make_unique<NeovimSession>();
        if (!nvim_->start(start.scratch, arguments))
            return nvim_->failure;
        if (cursor && nvim_->request("nvim_win_set_cursor", {qint64(0), *cursor}).isNull() &&
            !nvim_->failure.isEmpty())
            return nvim_->failure;
        return {};
    }

    QDBusMessage call(const QString& method, const QVariantList& args) override {
        const bool asks =
            method == QLatin1String("copyfiles") && replace_ != HostStart::Consent::NotAsked;
        if (method != QLatin1String("forcesave") && !asks)
            return HostDriver::call(method, args);
        QDBusMessage message = QDBusMessage::createMethodCall(
            QString::fromLatin1(wexdor4::kBusName), QString::fromLatin1(wexdor4::kObjectPath),
            QString::fromLatin1(wexdor4::kInterface), method);
        message.setArguments(args);
        QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(message, 120000);
        // Whenever the save prompt or the replace question shows during the call (each a prompt
        // on Neovim's command line), it is answered.
        const QString answer =
            asks ? (replace_ == HostStart::Consent::Yes ? QStringLiteral("y") : QStringLiteral("n"))
                 : QString(saveAs_).replace(QLatin1Char('<'), QLatin1String("<lt>"));
        bool answered = false; // once only: a second answer would be typed into the document
        const bool finished = QTest::qWaitFor(
            [&] {
                if (pending.isFinished())
                    return true;
                if (!answered && nvim_->mode() == QLatin1String("c"))
                    answered = nvim_->input(answer + QStringLiteral("<CR>"));
                return false;
            },
            120000);
        return finished
                   ? pending.reply()
                   : QDBusMessage::createError(QDBusError::Timeout, method + " did not answer");
    }

    void stop() override { nvim_.reset(); }

private:
    std::unique_ptr<NeovimSession> nvim_;
    QString saveAs_;
    HostStart::Consent replace_ = HostStart::Consent::NotAsked;
};

} // namespace

std::unique_ptr<HostDriver> makeHostDriver() {
    return std::make_unique<NeovimDriver>();
}

} // namespace vorrel::test
