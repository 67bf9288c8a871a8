// SPDX-License-Identifier: MIT
#include "VorrelHostPlugin.h"

#include "HostAdaptor.h"
#include "VorrelKateLog.h"
#include "editors/protocol/HostProtocol.h"

#include <KPluginFactory>
#include <KTextEditor/Editor>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>

K_PLUGIN_FACTORY_WITH_JSON(VorrelHostPluginFactory, "vorrelhost.json",
                           registerPlugin<vorrelkate::VorrelHostPlugin>();)

namespace vorrelkate {

namespace {

// Asks for the host's bus name. Another Kate may hold it: this one then waits in the name's
// queue and takes over when that one ends.
void claimBusName(QDBusConnection& bus) {
    const QString name = QString::fromLatin1(wexdor4::kBusName);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> claimed =
        bus.interface()->registerService(name, QDBusConnectionInterface::QueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!claimed.isValid())
        qCWarning(VORREL_KATE,
                  "cannot ask for the bus name %s, so the wizard cannot reach this "
                  "Kate: %s",
                  wexdor4::kBusName, qPrintable(claimed.error().message()));
    else if (claimed.value() == QDBusConnectionInterface::ServiceQueued)
        qCInfo(VORREL_KATE, "%s is served by another program; this Kate takes over when it ends",
               wexdor4::kBusName);
}

} // namespace

VorrelHostPlugin::VorrelHostPlugin(QObject* parent, const QVariantList&)
    : KTextEditor::Plugin(parent), host_(KTextEditor::Editor::instance()->application()) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCWarning(VORREL_KATE, "no session bus, so the wizard cannot reach Kate");
        return;
    }
    adaptor_ = new HostAdaptor(host_, bus, this);
    if (!bus.registerObject(QString::fromLatin1(wexdor4::kObjectPath), adaptor_,
                            QDBusConnection::ExportAdaptors)) {
        qCWarning(VORREL_KATE, "%s is already served in this Kate", wexdor4::kObjectPath);
        return;
    }
    claimBusName(bus);
}

VorrelHostPlugin::~VorrelHostPlugin() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!adaptor_ || !bus.isConnected())
        return;
    bus.interface()->unregisterService(QString::fromLatin1(wexdor4::kBusName));
    bus.unregisterObject(QString::fromLatin1(wexdor4::kObjectPath));
}

} // namespace vorrelkate

#include "VorrelHostPlugin.moc"
