// SPDX-License-Identifier: MIT
// The wizard with Neovim as its host editor: a Clock chosen and finished in the wizard's windows
// goes over the session bus, through the plugin's bridge, into the document open in a headless
// Neovim, which then saves it with its own :write.

#include "support/ClockEndToEnd.h"
#include "support/NeovimSession.h"

#include <QDBusMessage>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorrel;

class NeovimEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void aClockFromTheWindowsLandsInNeovimsDocument() {
        QTemporaryDir site;
        const QString document = test::writeClockPage(site);
        QVERIFY(!document.isEmpty());
        QVERIFY(QDir(site.path()).mkdir("nvim"));
        test::NeovimSession nvim;
        // The cursor at the start of line 7, "<p>After</p>".
        QVERIFY2(nvim.start(site.filePath("nvim"), {"+7", document}), qPrintable(nvim.failure));

        QCOMPARE(test::insertClockFromTheWizard(), QString("JavaScript insertion complete."));

        QCOMPARE(test::saveInHost(), QString());
        QCOMPARE(test::readFile(document), test::clockPageAfterInsertion());
        // The wizard's three puts are three steps of Neovim's undo history.
        const QVariantList undo = nvim.lua("local t = vim.fn.undotree() return {t.seq_last, "
                                           "t.seq_cur}")
                                      .toList();
        QCOMPARE(undo, (QVariantList{qint64(3), qint64(3)}));
    }
};

QTEST_MAIN(NeovimEndToEndTest)
#include "NeovimEndToEndTest.moc"
