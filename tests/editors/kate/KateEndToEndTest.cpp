// SPDX-License-Identifier: MIT
// The wizard with Kate as its host editor: a Clock chosen and finished in the wizard's windows
// goes over the session bus into the document open in the real Kate, which then saves it.

#include "support/ClockEndToEnd.h"
#include "support/KateUnderXvfb.h"

#include <QDBusMessage>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorrel;

class KateEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void aClockFromTheWindowsLandsInKatesDocument() {
        QTemporaryDir site;
        const QString document = test::writeClockPage(site);
        QVERIFY(!document.isEmpty());
        test::KateUnderXvfb kate;
        // The cursor at the start of line 7, "<p>After</p>".
        QVERIFY2(kate.start({"--line", "7", "--column", "1", document}), qPrintable(kate.failure));

        QCOMPARE(test::insertClockFromTheWizard(), QString("JavaScript insertion complete."));

        QCOMPARE(test::saveInHost(), QString());
        QCOMPARE(test::readFile(document), test::clockPageAfterInsertion());
    }
};

QTEST_MAIN(KateEndToEndTest)
#include "KateEndToEndTest.moc"
