#include "app/PostedMessage.h"
#include "app/ProgramLifetime.h"
#include "app/ToolPickerForm.h"
#include "app/Wizard.h"
#include "chrome/RadioGroup.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace vorrel;
using vorrel::test::FakeHostLink;
using vorrel::test::RecordingInsertion;
using vorrel::test::RecordingMessageBoxes;

Q_DECLARE_METATYPE(vorrel::WizardWindow)

namespace {
const QStringList kWindowNames = {"ToolPickerForm", "op1fm", "op1afm", "op2fm", "op3fm", "op4fm"};
}

class WizardWindowsTest : public QObject {
    Q_OBJECT

    RecordingMessageBoxes messages;
    FakeHostLink host;
    std::unique_ptr<ProgramLifetime> lifetime;
    RecordingInsertion insertion;
    std::unique_ptr<Wizard> wizard;

    QWidget* named(const QString& windowName) const {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == windowName)
                return top;
        return nullptr;
    }

    // The names of the wizard windows that are visible now.
    QStringList visibleWindows() const {
        QStringList visible;
        for (const QString& name : kWindowNames)
            if (QWidget* w = named(name); w && w->isVisible())
                visible << name;
        return visible;
    }

    template <typename T> T* control(const QString& windowName, const QString& name) const {
        QWidget* window = named(windowName);
        return window ? window->findChild<T*>(name) : nullptr;
    }

    QListWidget* toolList() const { return control<QListWidget>("ToolPickerForm", "lb1"); }

    // Presses "window/button" as a user would; fails the test when the button is not there to
    // press.
    bool press(const QString& step) {
        const QStringList parts = step.split('/');
        auto* button = control<QPushButton>(parts[0], parts[1]);
        if (!button || !button->isVisible() || !button->isEnabled()) {
            qWarning() << "cannot press" << step << "visible windows:" << visibleWindows();
            return false;
        }
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }

    void pickTool(const QString& tool) {
        const auto items = toolList()->findItems(tool, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        toolList()->setCurrentItem(items.front());
    }

    void chooseDisplayMethod(int index) {
        auto* group = control<RadioGroup>("op1fm", "rg1");
        QVERIFY(group);
        QTest::mouseClick(group->findChild<QRadioButton*>(QString("item%1").arg(index)),
                          Qt::LeftButton);
    }

private slots:
    void init() {
        messages.shown.clear();
        insertion = RecordingInsertion();
        lifetime = std::make_unique<ProgramLifetime>();
        wizard = std::make_unique<Wizard>(WizardServices{messages, host, *lifetime, insertion});
        wizard->start();
    }

    void cleanup() {
        wizard.reset();
        host = FakeHostLink();
    }

    void startsOnTheToolPickerWithClockAndWholePage() {
        QCOMPARE(visibleWindows(), QStringList{"ToolPickerForm"});
        QCOMPARE(host.runningAsked, 1);
        QCOMPARE(toolList()->selectedItems().size(), 1);
        QCOMPARE(toolList()->selectedItems().front()->text(), QString("Clock"));
        auto* preview = control<RadioGroup>("ToolPickerForm", "rg1");
        QCOMPARE(preview->itemIndex(), 0);
        QCOMPARE(preview->itemText(preview->itemIndex()), QString("As whole page"));
        QVERIFY(wizard->noHost());
    }

    void everyWindowHasItsCaptionAndFixedClientArea() {
        const QStringList captions = {
            "Vorrel - 1.03",        "Options",          "Options", "Animated Button List Builder",
            "Enter HTML text here", "Jump List Builder"};
        for (int i = 0; i < kWindowNames.size(); ++i) {
            QWidget* window = named(kWindowNames[i]);
            QVERIFY2(window, qPrintable(kWindowNames[i]));
            QCOMPARE(window->windowTitle(), captions[i]);
            QCOMPARE(window->minimumSize(), QSize(417, 287));
            QCOMPARE(window->maximumSize(), QSize(417, 287));
            QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
            QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        }
    }

    void toolPickerControlsSitWhereTheyBelong() {
        struct Expected {
            const char* name;
            QRect place;
            QString text;
            QString hint;
        };
        const Expected expected[] = {
            {"bb1", {331, 191, 35, 35}, "", "Preview highlighted example"},
            {"bb3", {331, 257, 81, 25}, "Cancel", ""},
            {"BitBtn1", {242, 257, 81, 25}, "Next >>", "Insert into HTML Document"},
            {"BitBtn2", {10, 257, 81, 25}, "Help", ""},
        };
        for (const Expected& e : expected) {
            auto* button = control<QPushButton>("ToolPickerForm", e.name);
            QVERIFY2(button, e.name);
            QCOMPARE(button->geometry(), e.place);
            QCOMPARE(button->text(), e.text);
            QCOMPARE(button->toolTip(), e.hint);
        }
        QCOMPARE(toolList()->geometry(), QRect(162, 56, 219, 76));
        QStringList items;
        for (int i = 0; i < toolList()->count(); ++i)
            items << toolList()->item(i)->text();
        QCOMPARE(items, (QStringList{"Clock", "Timer", "Search Pad", "Animated Buttons",
                                     "ISP Cost Calculator", "Popup Window", "Jump List"}));
        auto* preview = control<RadioGroup>("ToolPickerForm", "rg1");
        QCOMPARE(preview->geometry(), QRect(162, 175, 215, 61));
        QCOMPARE(preview->title(), QString("Preview Mode"));
        QCOMPARE((QStringList{preview->itemText(0), preview->itemText(1), preview->itemText(2)}),
                 (QStringList{"As whole page", "As separate frame", "All as buttons"}));
        QCOMPARE(control<QLabel>("ToolPickerForm", "Label1")->geometry(), QRect(162, 19, 218, 35));
        QCOMPARE(control<QLabel>("ToolPickerForm", "Label2")->geometry(), QRect(162, 141, 216, 32));
        QVERIFY(!control<QPushButton>("ToolPickerForm", "bb1")->icon().isNull());
    }

    void tabMovesThroughThePickerInItsOrder() {
        QWidget* picker = named("ToolPickerForm");
        QApplication::setActiveWindow(picker);
        QVERIFY(QTest::qWaitForWindowActive(picker));
        control<QPushButton>("ToolPickerForm", "bb1")->setFocus();
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            order << (qobject_cast<QRadioButton*>(focused) ? QString("rg1")
                                                           : focused->objectName());
        }
        QCOMPARE(order, (QStringList{"bb3", "lb1", "rg1", "BitBtn1", "BitBtn2", "bb1"}));
    }

    void nextWithoutAToolSaysSoAndStays() {
        toolList()->clearSelection();
        QCOMPARE(wizard->tool(), ScriptTool::None);
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].kind, std::string("plain"));
        QCOMPARE(messages.shown[0].text, std::string("No Javascript tool has been selected."));
        QCOMPARE(visibleWindows(), QStringList{"ToolPickerForm"});
    }

    void eachToolReachesItsFirstPage_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("page");
        QTest::newRow("Clock") << "Clock"
                               << "op1fm";
        QTest::newRow("Timer") << "Timer"
                               << "op1fm";
        QTest::newRow("Search Pad") << "Search Pad"
                                    << "op1fm";
        QTest::newRow("Animated Buttons") << "Animated Buttons"
                                          << "op2fm";
        QTest::newRow("ISP Cost Calculator") << "ISP Cost Calculator"
                                             << "op1fm";
        QTest::newRow("Popup Window") << "Popup Window"
                                      << "op3fm";
        QTest::newRow("Jump List") << "Jump List"
                                   << "op4fm";
    }

    void eachToolReachesItsFirstPage() {
        QFETCH(QString, tool);
        QFETCH(QString, page);
        pickTool(tool);
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        QCOMPARE(visibleWindows(), QStringList{page});
        QVERIFY(messages.shown.empty());
    }

    void doubleClickAndEnterActAsNext() {
        auto* list = toolList();
        QListWidgetItem* item = list->findItems("Jump List", Qt::MatchExactly).front();
        list->scrollToItem(item);
        // A double-click is a click followed by the second press that the system reports as a
        // double-click.
        const QPoint spot = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, spot);
        QCOMPARE(visibleWindows(), QStringList{"ToolPickerForm"});
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, spot);
        QCOMPARE(visibleWindows(), QStringList{"op4fm"});

        QVERIFY(press("op4fm/bb3"));
        pickTool("Timer");
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(visibleWindows(), QStringList{"op1fm"});
    }

    void transitions_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("steps"); // "window/button=visible window after it"
        QTest::newRow("Clock back") << "Clock" << QStringList{"op1fm/bb2=ToolPickerForm"};
        QTest::newRow("Clock separate window")
            << "Clock"
            << QStringList{"op1fm/item1", "op1fm/bb1=op1afm", "op1afm/bb2=op1fm",
                           "op1fm/bb2=ToolPickerForm"};
        QTest::newRow("Animated Buttons")
            << "Animated Buttons"
            << QStringList{"op2fm/bb1=op1fm", "op1fm/bb2=op2fm", "op2fm/bb2=ToolPickerForm"};
        QTest::newRow("Popup Window")
            << "Popup Window"
            << QStringList{"op3fm/BitBtn1=op1fm", "op1fm/bb1=op1afm", "op1afm/bb2=op1fm",
                           "op1fm/bb2=op3fm", "op3fm/BitBtn2=ToolPickerForm"};
        QTest::newRow("Jump List")
            << "Jump List"
            << QStringList{"op4fm/bb1=op1fm",  "op1fm/item2",     "op1fm/bb1=op1afm",
                           "op1afm/bb2=op1fm", "op1fm/bb2=op4fm", "op4fm/bb3=ToolPickerForm"};
    }

    void transitions() {
        QFETCH(QString, tool);
        QFETCH(QStringList, steps);
        pickTool(tool);
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        for (const QString& step : steps) {
            const QStringList parts = step.split('=');
            if (parts[0].startsWith("op1fm/item")) {
                chooseDisplayMethod(parts[0].right(1).toInt());
                continue;
            }
            QVERIFY2(press(parts[0]), qPrintable(step));
            QCOMPARE(visibleWindows(), QStringList{parts[1]});
        }
        QVERIFY(insertion.runs.empty());
    }

    void optionsBackFollowsTheLastBuilderShown() {
        pickTool("Animated Buttons");
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        QCOMPARE(wizard->backPage(), OptionsBackPage::ButtonListBuilder);
        QVERIFY(press("op2fm/bb2"));
        QCOMPARE(wizard->backPage(), OptionsBackPage::ToolPicker);
        pickTool("Clock");
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        QVERIFY(press("op1fm/bb2"));
        QCOMPARE(visibleWindows(), QStringList{"ToolPickerForm"});
    }

    void optionsNextCaptionFollowsTheDisplayMethod() {
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        auto* next = control<QPushButton>("op1fm", "bb1");
        QCOMPARE(next->text(), QString("Finished"));
        chooseDisplayMethod(1);
        QCOMPARE(next->text(), QString("Next >>"));
        chooseDisplayMethod(2);
        QCOMPARE(next->text(), QString("Next >>"));
        chooseDisplayMethod(0);
        QCOMPARE(next->text(), QString("Finished"));
    }

    void popupWindowCannotBeShownInTheCurrentPage() {
        pickTool("Popup Window");
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        QVERIFY(press("op3fm/BitBtn1"));
        auto* group = control<RadioGroup>("op1fm", "rg1");
        QCOMPARE(group->itemIndex(), 2);
        chooseDisplayMethod(0);
        QCOMPARE(group->itemIndex(), 2);
        QCOMPARE(control<QPushButton>("op1fm", "bb1")->text(), QString("Next >>"));

        // The display method carries over to the next tool.
        QVERIFY(press("op1fm/bb2"));
        QVERIFY(press("op3fm/BitBtn2"));
        pickTool("Clock");
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        QCOMPARE(group->itemIndex(), 2);
    }

    void finishedRunsTheInsertionAndReturnsToThePicker_data() {
        QTest::addColumn<bool>("hostRunning");
        QTest::addColumn<int>("method");
        QTest::newRow("no host, current page") << false << 0;
        QTest::newRow("host, separate window") << true << 1;
    }

    void finishedRunsTheInsertionAndReturnsToThePicker() {
        QFETCH(bool, hostRunning);
        QFETCH(int, method);
        host.running = hostRunning;
        init(); // the host-running test runs when the windows are created
        pickTool("Search Pad");
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        chooseDisplayMethod(method);
        QVERIFY(press("op1fm/bb1"));
        if (method != 0)
            QVERIFY(press("op1afm/bb1"));
        QCOMPARE(insertion.runs.size(), size_t(1));
        const auto& run = insertion.runs.front();
        QCOMPARE(run.noHost, !hostRunning);
        QCOMPARE(run.state.tool, ScriptTool::SearchPad);
        QCOMPARE(int(run.state.displayMethod), method);
        QCOMPARE(run.state.backPage, OptionsBackPage::ToolPicker);
        QCOMPARE(visibleWindows(), QStringList{"ToolPickerForm"});
    }

    void nextEmptiesThePlanBeforeEachPass() {
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        QVERIFY(press("op1fm/bb1"));
        QCOMPARE(wizard->plan().headText, std::string("head of run 1"));
        wizard->plan().filesToCopy = "a.gif;";
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        QVERIFY(press("op1fm/bb1"));
        QCOMPARE(insertion.runs.size(), size_t(2));
        QVERIFY(insertion.planSeen.headText.empty());
        QVERIFY(insertion.planSeen.cursorText.empty());
        QVERIFY(insertion.planSeen.bodyText.empty());
        QVERIFY(insertion.planSeen.bodyTagText.empty());
        QCOMPARE(insertion.planSeen.filesToCopy, std::string("a.gif;"));
    }

    void aFailedInsertionShowsTheErrorAndStaysOnThePage() {
        insertion.failWith = "The host has gone away.";
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        chooseDisplayMethod(2);
        QVERIFY(press("op1fm/bb1"));
        QVERIFY(press("op1afm/bb1"));
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].kind, std::string("error"));
        QCOMPARE(messages.shown[0].text, std::string("The host has gone away."));
        QCOMPARE(visibleWindows(), QStringList{"op1afm"});
        insertion.failWith.clear();
        QVERIFY(press("op1afm/bb1"));
        QCOMPARE(visibleWindows(), QStringList{"ToolPickerForm"});
    }

    void cancelAndCloseEndTheProgram_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("cancel");
        const QStringList cancels = {"bb3", "bb3", "bb3", "bb3", "bb3", "BitBtn1"};
        const WizardWindow windows[] = {WizardWindow::ToolPicker,
                                        WizardWindow::Options,
                                        WizardWindow::SeparateWindowOptions,
                                        WizardWindow::ButtonListBuilder,
                                        WizardWindow::HtmlTextPage,
                                        WizardWindow::JumpListBuilder};
        for (int i = 0; i < 6; ++i)
            QTest::newRow(qPrintable(kWindowNames[i])) << int(windows[i]) << cancels[i];
    }

    void cancelAndCloseEndTheProgram() {
        QFETCH(int, window);
        QFETCH(QString, cancel);
        TGradientForm* form = wizard->window(WizardWindow(window));
        wizard->moveTo(WizardWindow(window));
        QVERIFY(!lifetime->ending());
        QVERIFY(press(form->objectName() + "/" + cancel));
        QVERIFY(lifetime->ending());

        init();
        form = wizard->window(WizardWindow(window));
        wizard->moveTo(WizardWindow(window));
        QVERIFY(!lifetime->ending());
        form->close();
        QVERIFY(lifetime->ending());
    }

    void onlyMessage1148EndsTheProgram() {
        QCoreApplication::postEvent(qApp, new PostedMessage(1149));
        QCoreApplication::sendPostedEvents();
        QVERIFY(!lifetime->ending());
        QCOMPARE(visibleWindows(), QStringList{"ToolPickerForm"});
        QVERIFY(press("ToolPickerForm/BitBtn1"));
        QCoreApplication::postEvent(qApp, new PostedMessage(1148));
        QCoreApplication::sendPostedEvents();
        QVERIFY(lifetime->ending());
    }
};

QTEST_MAIN(WizardWindowsTest)
#include "WizardWindowsTest.moc"
