#include "VorrelHostPlugin.h"

#include "HostAdaptor.h"
#include "editors/protocol/HostProtocol.h"

#include <KPluginFactory>
#include <KTextEditor/Editor>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QtDebug>

K_PLUGIN_FACTORY_WITH_JSON(VorrelHostPluginFactory, "vorrelhost.json",
                           registerPlugin<vorrelkate::VorrelHostPlugin>();)

namespace vorrelkate {

VorrelHostPlugin::VorrelHostPlugin(QObject* parent, const QVariantList&)
    : KTextEditor::Plugin(parent), host_(KTextEditor::Editor::instance()->application()) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qWarning("Vorrel host: no session bus, so the wizard cannot reach Kate");
        return;
    }
    adaptor_ = new HostAdaptor(host_, bus, this);
    if (!bus.registerObject(QString::fromLatin1(wexdor4::kObjectPath), adaptor_,
                            QDBusConnection::ExportAdaptors)) {
        qWarning("Vorrel host: %s is already served in this Kate", wexdor4::kObjectPath);
        return;
    }
    bus.interface()->registerService(QString::fromLatin1(wexdor4::kBusName),
                                     QDBusConnectionInterface::QueueService,
                                     QDBusConnectionInterface::DontAllowReplacement);
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
