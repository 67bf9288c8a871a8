// SPDX-License-Identifier: MIT
// The wizard with Emacs as its host editor: a Clock chosen and finished in the wizard's windows
// goes over the session bus into the buffer open in the real Emacs, which then saves it.

#include "emacs/EmacsSession.h"

#include "support/ClockEndToEnd.h"

#include <QDBusMessage>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorrel;

class EmacsEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void aClockFromTheWindowsLandsInEmacsBuffer() {
        QTemporaryDir site;
        const QString document = test::writeClockPage(site);
        QVERIFY(!document.isEmpty());
        test::EmacsSession emacs;
        // The cursor at the start of line 7 (6 from 0), "<p>After</p>".
        const QString started = emacs.start(document, 6, 0);
        QVERIFY2(started.isEmpty(), qPrintable(started));

        QCOMPARE(test::insertClockFromTheWizard(), QString("JavaScript insertion complete."));

        QCOMPARE(test::saveInHost(), QString());
        QCOMPARE(test::readFile(document), test::clockPageAfterInsertion());
    }
};

QTEST_MAIN(EmacsEndToEndTest)
#include "EmacsEndToEndTest.moc"
