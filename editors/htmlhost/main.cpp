// SPDX-License-Identifier: MIT
// htmlhost: a stand-in for the host editor, serving its automation object on the session bus
// for one HTML file, so that the wizard's insertions can be used and tested on Linux.

#include "app/SignalRelay.h"
#include "editors/htmlhost/CallLog.h"
#include "editors/htmlhost/HostAdaptor.h"
#include "editors/htmlhost/Session.h"
#include "editors/protocol/HostProtocol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusReply>

#include <cstdio>

namespace {

int failWith(const QString& message) {
    std::fprintf(stderr, "htmlhost: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("htmlhost"));

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Plays the host editor for one HTML file on the session bus."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("FILE"),
                                  QStringLiteral("The HTML file to open (none: no document)."),
                                  QStringLiteral("[FILE]"));
    const QCommandLineOption saveAs(QStringLiteral("save-as"),
                                    QStringLiteral("Where forcesave puts an untitled document."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption logTo(QStringLiteral("log"),
                                   QStringLiteral("Append one JSON line per call received."),
                                   QStringLiteral("LOG"));
    const QCommandLineOption replacePictures(
        QStringLiteral("replace-pictures"),
        QStringLiteral("Let copyfiles replace a different file of the same name in the "
                       "document's folder (there is no user to ask)."));
    options.addOption(saveAs);
    options.addOption(replacePictures);
    options.addOption(logTo);
    options.process(app);
    const QStringList files = options.positionalArguments();
    if (files.size() > 1)
        return failWith(QStringLiteral("only one FILE can be open; see --help"));

    htmlhost::Session session(options.value(saveAs), options.isSet(replacePictures));
    if (!files.isEmpty()) {
        try {
            session.openFile(files.first());
        } catch (const htmlhost::DocumentError& error) {
            return failWith(QString::fromStdString(error.what()));
        }
    }

    htmlhost::CallLog log;
    QString logError;
    if (options.isSet(logTo) && !log.open(options.value(logTo), &logError))
        return failWith(
            QStringLiteral("cannot open the log %1: %2").arg(options.value(logTo), logError));

    vorrel::SignalRelay quitOnSignal([] { QCoreApplication::quit(); });
    if (!quitOnSignal.isActive())
        return failWith(QStringLiteral("cannot set up the handling of SIGTERM and SIGINT"));

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return failWith(
            QStringLiteral("cannot reach the session bus: %1").arg(bus.lastError().message()));

    htmlhost::HostAdaptor host(session, log);
    if (!bus.registerObject(QString::fromLatin1(wexdor4::kObjectPath), &host,
                            QDBusConnection::ExportAdaptors))
        return failWith(QStringLiteral("cannot export %1 on the session bus")
                            .arg(QString::fromLatin1(wexdor4::kObjectPath)));

    // Asked for without queueing or replacement: a second host must not wait for the name.
    const QString name = QString::fromLatin1(wexdor4::kBusName);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> claimed =
        bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!claimed.isValid())
        return failWith(QStringLiteral("cannot claim the bus name %1: %2")
                            .arg(name, claimed.error().message()));
    if (claimed.value() != QDBusConnectionInterface::ServiceRegistered)
        return failWith(QStringLiteral("the bus name %1 is already taken; is another host "
                                       "running?")
                            .arg(name));

    return app.exec();
}
