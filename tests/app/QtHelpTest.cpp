// SPDX-License-Identifier: MIT
// The help as shipped: the help file beside the program has every topic the windows ask for,
// and a missing file or topic is said in words, never a crash.

#include "app/QtHelp.h"
#include "chrome/DialogParent.h"
#include "chrome/WizardFrame.h"
#include "support/FakeServices.h"

#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace vorrel;

class QtHelpTest : public QObject {
    Q_OBJECT

    static QString shippedHelpFile() {
        return QProcessEnvironment::systemEnvironment().value("VORREL_BIN_DIR") + "/vorrel.hlp";
    }

private slots:
    void theShippedFileHasEveryTopicTheWindowsAskFor() {
        test::RecordingMessageBoxes messages;
        QtHelp help(shippedHelpFile(), messages);
        for (int topic : {8, 9, 10, 11, 12})
            help.showPopup(topic);
        help.showTopic(1);
        QVERIFY2(messages.shown.empty(),
                 messages.shown.empty() ? "" : messages.shown[0].text.c_str());
        QTextBrowser* window = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "HelpWindow")
                window = qobject_cast<QTextBrowser*>(top);
        QVERIFY(window && window->isVisible());
        QVERIFY(!window->isModal());
        QVERIFY(window->toPlainText().contains("Animated Button List Builder"));
    }

    // Qt makes the What's This text without a parent; a Wayland compositor would put it anywhere.
    void whatsThisOpensOverTheWizardsWindow() {
        WizardFrame wizardWindow;
        wizardWindow.show();
        QCOMPARE(dialogParent(), &wizardWindow);
        test::RecordingMessageBoxes messages;
        QtHelp help(shippedHelpFile(), messages);
        help.showPopupAt(8, 40, 40);
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(popup && popup->windowHandle());
        QCOMPARE(popup->windowHandle()->transientParent(), wizardWindow.windowHandle());
        popup->close();
    }

    void aMissingFileOrTopicIsSaid() {
        QTemporaryDir folder;
        test::RecordingMessageBoxes messages;
        QtHelp missing(folder.filePath("vorrel.hlp"), messages);
        missing.showTopic(1);
        QFile file(folder.filePath("other.hlp"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("@topic 1 Only\nText\n") > 0);
        file.close();
        QtHelp partial(file.fileName(), messages);
        partial.showPopup(9);
        QCOMPARE(messages.shown.size(), size_t(2));
        QCOMPARE(messages.shown[0].kind, std::string("error"));
        QCOMPARE(messages.shown[0].text, "The help file " +
                                             folder.filePath("vorrel.hlp").toStdString() +
                                             " could not be opened: No such file or directory.");
        QCOMPARE(messages.shown[1].text,
                 "The help file " + file.fileName().toStdString() + " has no topic 9.");
    }
};

QTEST_MAIN(QtHelpTest)
#include "QtHelpTest.moc"
