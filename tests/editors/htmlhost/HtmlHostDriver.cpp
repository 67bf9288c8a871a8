// SPDX-License-Identifier: MIT
// The conformance table against htmlhost: the program built next to vorrel, started with the
// table's file (cursor marker and all) and --save-as.

#include "HostDriver.h"

#include "editors/htmlhost/HtmlDocument.h"
#include "editors/protocol/HostProtocol.h"
#include "support/EndProcess.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QtTest>

namespace vorrel::test {

namespace {

const QString kName = QString::fromLatin1(wexdor4::kBusName);

bool nameOwned() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(kName).value();
}

class HtmlHostDriver : public HostDriver {
public:
    QString start(const HostStart& start) override {
        QStringList args{QStringLiteral("--save-as"), start.saveAs};
        if (start.replace == HostStart::Consent::Yes)
            args.append(QStringLiteral("--replace-pictures"));
        if (!start.file.isEmpty())
            args.append(start.file);
        host_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        host_.start(qEnvironmentVariable("VORREL_BIN_DIR") + QStringLiteral("/htmlhost"), args);
        const auto ownedByHost = [this] {
            const auto pid = QDBusConnection::sessionBus().interface()->servicePid(kName);
            return pid.isValid() && pid.value() == quint64(host_.processId());
        };
        const bool settled = QTest::qWaitFor(
            [&] { return ownedByHost() || host_.state() == QProcess::NotRunning; }, 10000);
        return settled && ownedByHost() ? QString()
                                        : QStringLiteral("htmlhost did not take the bus name");
    }

    void stop() override {
        endProcess(host_, 5000);
        if (!QTest::qWaitFor([] { return !nameOwned(); }, 5000))
            qWarning("the bus name %s is still taken", qPrintable(kName));
    }

    QByteArray untitledText() const override {
        return QByteArray(htmlhost::HtmlDocument::kUntitled.data(),
                          qsizetype(htmlhost::HtmlDocument::kUntitled.size()));
    }

private:
    QProcess host_;
};

} // namespace

std::unique_ptr<HostDriver> makeHostDriver() {
    return std::make_unique<HtmlHostDriver>();
}

} // namespace vorrel::test
