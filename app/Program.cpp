#include "app/Program.h"

#include "app/AppBusService.h"
#include "app/ProgramLifetime.h"
#include "app/QtMessageBoxes.h"
#include "app/SignalRelay.h"
#include "app/Wizard.h"
#include "host/DBusHostLink.h"
#include "scripts/InsertionRunner.h"

#include <QApplication>
#include <QDBusConnection>

namespace vorrel {

namespace {
// Finished returns to the tool picker; the insertion itself plugs in here.
class NoInsertion : public InsertionRunner {
public:
    void generateInsertion(const WizardState&, bool, InsertionPlan&) override {}
};
} // namespace

int runProgram(QApplication& application) {
    application.setApplicationName(QStringLiteral("Vorrel"));
    // The wizard ends only on Cancel, a close box or message 1148, never because its windows
    // are all hidden for a moment.
    application.setQuitOnLastWindowClosed(false);

    ProgramLifetime lifetime;
    SignalRelay signalRelay(lifetime);
    QDBusConnection bus = QDBusConnection::sessionBus();
    AppBusService busService(bus);
    QtMessageBoxes messages(lifetime);
    DBusHostLink host(bus);
    NoInsertion insertion;

    Wizard wizard({messages, host, lifetime, insertion});
    wizard.start();
    if (lifetime.ending())
        return 0;
    return application.exec();
}

} // namespace vorrel
