// SPDX-License-Identifier: MIT
// The wizard with VS Code as its host editor: a Clock chosen and finished in the wizard's windows
// goes over the session bus into the document open in code-server's workbench, which then saves
// it with VS Code's own save.

#include "support/ClockEndToEnd.h"
#include "support/VsCodeWorkbench.h"

#include <QDBusMessage>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorrel;

namespace {

QDBusMessage callHost(const QString& method) {
    QDBusMessage message = QDBusMessage::createMethodCall("Wexdor4.Plugin", "/Wexdor4/Plugin",
                                                          "Wexdor4.Plugin", method);
    return QDBusConnection::sessionBus().call(message);
}

// The folder of the document the extension sees.
QString hostFolder() {
    return callHost("getworkdir").arguments().value(0).toString();
}

} // namespace

class VsCodeEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void aClockFromTheWindowsLandsInVsCodesDocument() {
        QTemporaryDir site;
        const QString document = test::writeClockPage(site);
        QVERIFY(!document.isEmpty());
        test::VsCodeWorkbench vscode;
        QVERIFY2(vscode.start(), qPrintable(vscode.failure));
        // The cursor at the start of line 7, "<p>After</p>".
        QVERIFY2(vscode.open(document, 6), qPrintable(vscode.failure));

        // The extension host hears of the editor just after the page shows it.
        QTRY_COMPARE_WITH_TIMEOUT(hostFolder(), site.path() + "/", 30000);
        QCOMPARE(test::insertClockFromTheWizard(), QString("JavaScript insertion complete."));

        QCOMPARE(test::saveInHost(), QString());
        QCOMPARE(test::readFile(document), test::clockPageAfterInsertion());
    }
};

QTEST_MAIN(VsCodeEndToEndTest)
#include "VsCodeEndToEndTest.moc"
