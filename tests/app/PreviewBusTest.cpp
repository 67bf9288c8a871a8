// SPDX-License-Identifier: MIT
// Preview with a host on the bus: each press hands the example page's path to browserpreview,
// on an object made for that preview alone and released when it is done.

#include "app/ProgramLifetime.h"
#include "app/Wizard.h"
#include "chrome/TGradientForm.h"
#include "host/DBusHostLink.h"
#include "support/BusPeerProcess.h"
#include "support/WizardDriver.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorrel;

namespace {
// The real link, counting the objects it hands out and keeping an eye on each.
class WatchedLink : public HostEditorLink {
public:
    explicit WatchedLink(QDBusConnection bus) : link_(bus) {}
    std::vector<std::weak_ptr<HostObject>> objects;

    bool wexdorRunning() override { return link_.wexdorRunning(); }
    std::shared_ptr<HostObject> connect() override {
        auto object = link_.connect();
        objects.push_back(object);
        return object;
    }

private:
    DBusHostLink link_;
};
} // namespace

class PreviewBusTest : public QObject {
    Q_OBJECT

private slots:
    void eachPreviewHandsThePageToAFreshHostObject() {
        QTemporaryDir dir;
        const QString log = dir.filePath("calls.log");
        test::BusPeers peers;
        QVERIFY(!peers.start({"--own-host-name", "--answer", "1", "--log", log}).isEmpty());

        WatchedLink host(QDBusConnection::sessionBus());
        test::RecordingMessageBoxes messages;
        ProgramLifetime lifetime;
        test::RecordingInsertion insertion;
        test::ScriptedFilePicker files;
        test::RecordingHelp help;
        test::RecordingProcesses processes;
        test::FixedScreen screen;
        test::CountingSplash splash;
        Wizard wizard({messages, host, lifetime, insertion, files, help, processes,
                       "/opt/my vorrel/", screen, splash});
        wizard.start();
        QVERIFY(!wizard.noHost());

        using test::WizardDriver;
        const auto preview = [&](int tool, const QString& mode) {
            WizardDriver::control<QListWidget>("ToolPickerForm/lb1")->setCurrentRow(tool);
            return WizardDriver::press("ToolPickerForm/" + mode) &&
                   WizardDriver::press("ToolPickerForm/bb1");
        };
        QVERIFY(preview(4, "item0"));
        QVERIFY(preview(4, "item1"));
        QVERIFY(preview(0, "item2"));

        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("WM_ISWEXDORRUNNING\n"
                                            "browserpreview\t%2Fopt%2Fmy%20vorrel%2Ftime2.htm\n"
                                            "browserpreview\t%2Fopt%2Fmy%20vorrel%2Ffmcost.htm\n"
                                            "browserpreview\t%2Fopt%2Fmy%20vorrel%2Ftest.htm\n"));
        QCOMPARE(host.objects.size(), size_t(3));
        for (const auto& object : host.objects)
            QVERIFY(object.expired());
        QVERIFY(messages.shown.empty());
        QVERIFY(processes.log.empty());
    }
};

QTEST_MAIN(PreviewBusTest)
#include "PreviewBusTest.moc"
