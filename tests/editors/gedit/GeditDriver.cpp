// SPDX-License-Identifier: MIT
// The conformance table against the real gedit with the Vorrel plugin: gedit opens the table's
// file with its cursor where the marker stood, and the driver answers the Save As dialog that
// forcesave opens for an untitled document, as a user would, with xdotool.

#include "HostDriver.h"
#include "QuestionAnswer.h"
#include "editors/protocol/HostProtocol.h"
#include "gedit/GeditSession.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <memory>

namespace vorrel::test {

namespace {

class GeditDriver : public HostDriver {
public:
    QString start(const HostStart& start) override {
        saveAs_ = start.saveAs;
        replace_ = start.replace;
        QStringList arguments;
        if (!start.file.isEmpty()) {
            QFile file(start.file);
            if (!file.open(QIODevice::ReadWrite))
                return "cannot open " + start.file;
            QByteArray document = file.readAll();
            arguments << start.file;
            if (const auto cursor = takeCursorMarker(document)) {
                file.resize(0);
                file.write(document);
                arguments << QStringLiteral("+%1:%2").arg(cursor->line + 1).arg(cursor->column + 1);
            }
        }
        gedit_ = std::make_unique<GeditSession>();
        return gedit_->start(arguments);
    }

    QDBusMessage call(const QString& method, const QVariantList& args) override {
        const bool asks =
            method == QLatin1String("copyfiles") && replace_ != HostStart::Consent::NotAsked;
        if (method != QLatin1String("forcesave") && !asks)
            return HostDriver::call(method, args);
        // Whenever a Save As dialog or a question shows during the call, it is answered.
        QProcess user;
        if (asks)
            answerQuestion(user, gedit_->display(), replace_ == HostStart::Consent::Yes);
        else
            gedit_->answerSaveAs(user, saveAs_);
        const QDBusMessage reply = HostDriver::call(method, args);
        user.kill();
        user.waitForFinished(5000);
        return reply;
    }

    void stop() override {
        gedit_.reset();
        if (!QTest::qWaitFor(
                [] {
                    return !QDBusConnection::sessionBus()
                                .interface()
                                ->isServiceRegistered(QString::fromLatin1(wexdor4::kBusName))
                                .value();
                },
                10000))
            qWarning("the bus name %s is still taken", wexdor4::kBusName);
    }

    // gedit opens an empty untitled document when it has no file to open.
    bool opensWithoutDocument() const override { return false; }

private:
    std::unique_ptr<GeditSession> gedit_;
    QString saveAs_;
    HostStart::Consent replace_ = HostStart::Consent::NotAsked;
};

} // namespace

std::unique_ptr<HostDriver> makeHostDriver() {
    return std::make_unique<GeditDriver>();
}

} // namespace vorrel::test
