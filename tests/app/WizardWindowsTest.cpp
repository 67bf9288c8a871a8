// SPDX-License-Identifier: MIT
#include "app/PostedMessage.h"
#include "app/QtAppWindows.h"
#include "app/ToolPickerForm.h"
#include "chrome/RadioItems.h"
#include "support/WizardDriver.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <string>
#include <vector>

using namespace vorrel;
using vorrel::test::kWindowNames;
using vorrel::test::WizardDriver;

Q_DECLARE_METATYPE(vorrel::WizardWindow)
Q_DECLARE_METATYPE(vorrel::QtAppWindows::MakeWay)

namespace {
// Counts the times a window is hidden.
class HideCounter : public QObject {
public:
    explicit HideCounter(QWidget* window) { window->installEventFilter(this); }
    int hides = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        hides += event->type() == QEvent::Hide && !event->spontaneous();
        return false;
    }
};
} // namespace

class WizardWindowsTest : public QObject {
    Q_OBJECT

    WizardDriver d;
    static QListWidget* toolList() {
        return WizardDriver::control<QListWidget>("ToolPickerForm/lb1");
    }

    // The chosen item of a window's radio group "rg1".
    static int chosen(const QString& window) {
        auto* items = WizardDriver::window(window)->findChild<QButtonGroup*>("rg1Items");
        return items ? checkedItem(*items) : -2;
    }

    void chooseDisplayMethod(int index) { QVERIFY(d.press(QString("op1fm/item%1").arg(index))); }

private slots:
    void init() { d.start(); }

    void cleanup() {
        d.wizard.reset();
        d.host = test::FakeHostLink();
    }

    void startsOnTheToolPickerWithClockAndWholePage() {
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});
        QCOMPARE(d.host.runningAsked, 1);
        QCOMPARE(toolList()->selectedItems().size(), 1);
        QCOMPARE(toolList()->selectedItems().front()->text(), QString("Clock"));
        QCOMPARE(chosen("ToolPickerForm"), 0);
        QCOMPARE(d.control<QRadioButton>("ToolPickerForm/item0")->text(), QString("As whole page"));
        QVERIFY(d.wizard->noHost());
    }

    void everyWindowHasItsCaptionAndFixedClientArea() {
        const QStringList captions = {
            "Vorrel - 1.03",        "Options",          "Options", "Animated Button List Builder",
            "Enter HTML text here", "Jump List Builder"};
        for (int i = 0; i < kWindowNames.size(); ++i) {
            QWidget* window = d.window(kWindowNames[i]);
            QVERIFY2(window, qPrintable(kWindowNames[i]));
            QCOMPARE(window->windowTitle(), captions[i]);
            // The controls' area under the caption bar; the window around it cannot be resized.
            QCOMPARE(window->findChild<QWidget*>("clientArea")->size(), QSize(417, 287));
            QCOMPARE(window->minimumSize(), window->maximumSize());
            QVERIFY(window->minimumWidth() > 417 && window->minimumHeight() > 287);
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
            auto* button = d.control<QPushButton>("ToolPickerForm/" + QString(e.name));
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
        auto* preview = d.control<QGroupBox>("ToolPickerForm/rg1");
        QCOMPARE(preview->geometry(), QRect(162, 175, 215, 61));
        QCOMPARE(preview->title(), QString("Preview Mode"));
        QStringList modes;
        for (const char* item : {"item0", "item1", "item2"})
            modes << preview->findChild<QRadioButton*>(item)->text();
        QCOMPARE(modes, (QStringList{"As whole page", "As separate frame", "All as buttons"}));
        QCOMPARE(d.control<QLabel>("ToolPickerForm/Label1")->geometry(), QRect(162, 19, 218, 35));
        QCOMPARE(d.control<QLabel>("ToolPickerForm/Label2")->geometry(), QRect(162, 141, 216, 32));
        QVERIFY(!d.control<QPushButton>("ToolPickerForm/bb1")->icon().isNull());
    }

    void tabMovesThroughEachWindowInItsOrder_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("order"); // from the first control round to it again
        QTest::newRow("tool picker")
            << int(WizardWindow::ToolPicker)
            << QStringList{"bb1", "bb3", "lb1", "rg1", "BitBtn1", "BitBtn2"};
        QTest::newRow("op1fm") << int(WizardWindow::Options)
                               << QStringList{"bb1", "e1", "rg1", "e2", "e3", "bb2", "bb3"};
        QTest::newRow("op1afm") << int(WizardWindow::SeparateWindowOptions)
                                << QStringList{"bb1", "cb1", "cb2", "cb3", "cb4", "cb5",
                                               "cb6", "e4",  "e5",  "bb2", "bb3"};
        QTest::newRow("op2fm") << int(WizardWindow::ButtonListBuilder)
                               << QStringList{"e1",    "e2",    "cb1",   "bb2",   "bb1",     "bb3",
                                              "Edit1", "Edit2", "Edit3", "Edit4", "ListBox1"};
        QTest::newRow("op3fm") << int(WizardWindow::HtmlTextPage)
                               << QStringList{"m1", "BitBtn1", "BitBtn2", "bb3"};
        QTest::newRow("op4fm") << int(WizardWindow::JumpListBuilder)
                               << QStringList{"bb1", "e2",       "e3",    "BitBtn1",
                                              "bb3", "ListBox1", "Edit1", "Edit2"};
    }

    // Keyboard alone reaches every control, in its window's order. The radio items of a group
    // are one stop.
    void tabMovesThroughEachWindowInItsOrder() {
        QFETCH(int, window);
        QFETCH(QStringList, order);
        d.pickTool("Clock");
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        chooseDisplayMethod(1); // the page file and button caption take the focus only then
        d.wizard->moveTo(WizardWindow(window));
        QWidget* form = d.wizard->window(WizardWindow(window));
        QApplication::setActiveWindow(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->findChild<QWidget*>(order[0])->setFocus();
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            visited << (qobject_cast<QRadioButton*>(focused) ? QString("rg1")
                                                             : focused->objectName());
        }
        QCOMPARE(visited, order.mid(1) + order.mid(0, 1));
    }

    void nextWithoutAToolSaysSoAndStays() {
        toolList()->clearSelection();
        QCOMPARE(d.wizard->tool(), ScriptTool::None);
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QCOMPARE(d.messages.shown.size(), size_t(1));
        QCOMPARE(d.messages.shown[0].kind, std::string("plain"));
        QCOMPARE(d.messages.shown[0].text, std::string("No Javascript tool has been selected."));
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});
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
        d.pickTool(tool);
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QCOMPARE(d.visibleWindows(), QStringList{page});
        QVERIFY(d.messages.shown.empty());
    }

    void doubleClickAndEnterActAsNext() {
        auto* list = toolList();
        QListWidgetItem* item = list->findItems("Jump List", Qt::MatchExactly).front();
        list->scrollToItem(item);
        // A double-click is a click followed by the second press that the system reports as a
        // double-click.
        const QPoint spot = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, spot);
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, spot);
        QCOMPARE(d.visibleWindows(), QStringList{"op4fm"});

        QVERIFY(d.press("op4fm/bb3"));
        d.pickTool("Timer");
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(d.visibleWindows(), QStringList{"op1fm"});
        // With no control focused (after a click on a label), Enter reaches the wizard's window,
        // and the shown page's default button takes it.
        QVERIFY(d.press("op1fm/bb2"));
        QWidget* wizardWindow = list->window();
        if (QWidget* focused = wizardWindow->focusWidget())
            focused->clearFocus();
        QTest::keyClick(wizardWindow, Qt::Key_Return);
        QCOMPARE(d.visibleWindows(), QStringList{"op1fm"});
    }

    void transitions_data() {
        QTest::addColumn<QString>("tool");
        // "window/button=visible window after it", "window/item" to choose a radio item, and
        // "window/edit:text" to type.
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("Clock back") << "Clock" << QStringList{"op1fm/bb2=ToolPickerForm"};
        QTest::newRow("Clock separate window")
            << "Clock"
            << QStringList{"op1fm/item1", "op1fm/bb1=op1afm", "op1afm/bb2=op1fm",
                           "op1fm/bb2=ToolPickerForm"};
        QTest::newRow("Animated Buttons")
            << "Animated Buttons"
            << QStringList{"op2fm/Edit1:a.gif",  "op2fm/Edit2:b.gif",        "op2fm/Edit3:A",
                           "op2fm/Edit4:a.html", "op2fm/SpeedButton2=op2fm", "op2fm/bb1=op1fm",
                           "op1fm/bb2=op2fm",    "op2fm/bb2=ToolPickerForm"};
        QTest::newRow("Popup Window")
            << "Popup Window"
            << QStringList{"op3fm/BitBtn1=op1fm", "op1fm/bb1=op1afm", "op1afm/bb2=op1fm",
                           "op1fm/bb2=op3fm", "op3fm/BitBtn2=ToolPickerForm"};
        QTest::newRow("Jump List")
            << "Jump List"
            << QStringList{"op4fm/e2:go.gif",          "op4fm/Edit1:Home", "op4fm/Edit2:a.html",
                           "op4fm/SpeedButton1=op4fm", "op4fm/bb1=op1fm",  "op1fm/item2",
                           "op1fm/bb1=op1afm",         "op1afm/bb2=op1fm", "op1fm/bb2=op4fm",
                           "op4fm/bb3=ToolPickerForm"};
    }

    void transitions() {
        QFETCH(QString, tool);
        QFETCH(QStringList, steps);
        d.pickTool(tool);
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        for (const QString& step : steps) {
            if (const int colon = int(step.indexOf(':')); colon > 0) {
                QVERIFY(d.type(step.left(colon), step.mid(colon + 1)));
                continue;
            }
            const QStringList parts = step.split('=');
            if (parts.size() == 1) {
                QVERIFY2(d.press(parts[0]), qPrintable(step));
                continue;
            }
            QVERIFY2(d.press(parts[0]), qPrintable(step));
            QCOMPARE(d.visibleWindows(), QStringList{parts[1]});
        }
        QVERIFY(d.recordingInsertion.runs.empty());
    }

    // The wizard opens centred and each page shows in the same window, wherever the user
    // dragged it, under the page's caption. F1 opens the help on every window, Shift+F1 shows
    // the focused control's topic at the control.
    void theWizardStaysWhereTheUserPutItAndAnswersTheHelpKeys() {
        QWidget* wizardWindow = WizardDriver::window("ToolPickerForm")->window();
        QCOMPARE(wizardWindow->geometry().center(),
                 wizardWindow->screen()->availableGeometry().center());

        struct Step {
            const char* press; // nothing: the window is only moved and asked for help
            const char* shown;
        };
        const Step steps[] = {{nullptr, "ToolPickerForm"}, {"ToolPickerForm/BitBtn1", "op1fm"},
                              {"op1fm/item1", "op1fm"},    {"op1fm/bb1", "op1afm"},
                              {"op1afm/bb2", "op1fm"},     {"op1fm/bb2", "ToolPickerForm"}};
        QPoint at = wizardWindow->pos();
        for (const Step& step : steps) {
            if (step.press)
                QVERIFY(d.press(step.press));
            QCOMPARE(d.visibleWindows(), QStringList{step.shown});
            QWidget* window = WizardDriver::window(step.shown);
            QCOMPARE(window->window(), wizardWindow);
            QCOMPARE(wizardWindow->pos(), at);
            QCOMPARE(wizardWindow->windowTitle(), window->windowTitle());
            at += QPoint(17, 9);
            wizardWindow->move(at);

            window->activateWindow();
            QTRY_VERIFY(window->isActiveWindow());
            d.help.shown.clear();
            QTest::keyClick(window, Qt::Key_F1);
            QCOMPARE(d.help.shown, std::vector<std::string>{"topic 1"});
        }

        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QWidget* options = WizardDriver::window("op1fm");
        QTRY_VERIFY(options->isActiveWindow());
        // A radio item has the topic of its group, and shows it at the group.
        const std::pair<const char*, const char*> focusAndTopic[] = {{"op1fm/e1", "op1fm/e1"},
                                                                     {"op1fm/item2", "op1fm/rg1"}};
        for (const auto& [focus, holder] : focusAndTopic) {
            WizardDriver::control(focus)->setFocus();
            d.help.shown.clear();
            QTest::keyClick(options, Qt::Key_F1, Qt::ShiftModifier);
            QWidget* control = WizardDriver::control(holder);
            const QPoint centre = control->mapToGlobal(control->rect().center());
            QCOMPARE(d.help.shown,
                     std::vector<std::string>{
                         "popup " + std::to_string(control->property("tag").toInt()) + " at " +
                         std::to_string(centre.x()) + "," + std::to_string(centre.y())});
        }
    }

    // Around a host call the wizard's window gets out of the way and comes back as it was, with
    // the page and what was typed on it. A Wayland window comes back by being shown again, which
    // loses its place, so it goes only once the host keeps the program waiting.
    void theWizardMakesWayForTheHostAndComesBackAsItWas_data() {
        QTest::addColumn<QtAppWindows::MakeWay>("way");
        QTest::addColumn<bool>("hostWaits");
        QTest::addColumn<int>("hides");
        QTest::newRow("X11") << QtAppWindows::MakeWay::Minimize << false << 0;
        QTest::newRow("Wayland, a host that keeps it waiting")
            << QtAppWindows::MakeWay::MinimizeThenReshow << true << 1;
        QTest::newRow("Wayland, a host that answers at once")
            << QtAppWindows::MakeWay::MinimizeThenReshow << false << 0;
    }

    void theWizardMakesWayForTheHostAndComesBackAsItWas() {
        QFETCH(QtAppWindows::MakeWay, way);
        QFETCH(bool, hostWaits);
        QFETCH(int, hides);
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QWidget* window = d.window("op1fm")->window();
        // The page starts on the first control of its tab order, and keeps the last one used.
        QCOMPARE(window->focusWidget(), d.control("op1fm/bb1"));
        QVERIFY(d.type("op1fm/e1", "Typed"));
        const QPoint at = window->pos();
        HideCounter counter(window);

        QtAppWindows windows(nullptr, way);
        windows.minimize();
        if (way == QtAppWindows::MakeWay::Minimize || hostWaits)
            QTRY_VERIFY(window->isMinimized());
        else
            QVERIFY(!window->isMinimized());
        windows.restore();

        QVERIFY(window->isVisible() && !window->isMinimized());
        QCOMPARE(counter.hides, hides);
        QCOMPARE(d.visibleWindows(), QStringList{"op1fm"});
        QCOMPARE(d.text("op1fm/e1"), QString("Typed"));
        QCOMPARE(window->focusWidget(), d.control("op1fm/e1"));
        if (way == QtAppWindows::MakeWay::Minimize || !hostWaits)
            QCOMPARE(window->pos(), at);
    }

    void optionsBackFollowsTheLastBuilderShown() {
        d.pickTool("Animated Buttons");
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QCOMPARE(d.wizard->backPage(), OptionsBackPage::ButtonListBuilder);
        QVERIFY(d.press("op2fm/bb2"));
        QCOMPARE(d.wizard->backPage(), OptionsBackPage::ToolPicker);
        d.pickTool("Clock");
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QVERIFY(d.press("op1fm/bb2"));
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});
    }

    void optionsNextCaptionFollowsTheDisplayMethod() {
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        auto* next = d.control<QPushButton>("op1fm/bb1");
        QCOMPARE(next->text(), QString("Finished"));
        chooseDisplayMethod(1);
        QCOMPARE(next->text(), QString("Next >>"));
        chooseDisplayMethod(2);
        QCOMPARE(next->text(), QString("Next >>"));
        chooseDisplayMethod(0);
        QCOMPARE(next->text(), QString("Finished"));
    }

    void popupWindowCannotBeShownInTheCurrentPage() {
        d.pickTool("Popup Window");
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QVERIFY(d.press("op3fm/BitBtn1"));
        QCOMPARE(chosen("op1fm"), 2);
        chooseDisplayMethod(0);
        QCOMPARE(chosen("op1fm"), 2);
        QCOMPARE(d.control<QPushButton>("op1fm/bb1")->text(), QString("Next >>"));

        // The display method carries over to the next tool.
        QVERIFY(d.press("op1fm/bb2"));
        QVERIFY(d.press("op3fm/BitBtn2"));
        d.pickTool("Clock");
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QCOMPARE(chosen("op1fm"), 2);
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
        d.host.running = hostRunning;
        init(); // the host-running test runs when the windows are created
        d.pickTool("Search Pad");
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        chooseDisplayMethod(method);
        QVERIFY(d.press("op1fm/bb1"));
        if (method != 0)
            QVERIFY(d.press("op1afm/bb1"));
        QCOMPARE(d.recordingInsertion.runs.size(), size_t(1));
        const auto& run = d.recordingInsertion.runs.front();
        QCOMPARE(run.noHost, !hostRunning);
        QCOMPARE(run.state.tool, ScriptTool::SearchPad);
        QCOMPARE(int(run.state.displayMethod), method);
        QCOMPARE(run.state.backPage, OptionsBackPage::ToolPicker);
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});
    }

    void nextEmptiesThePlanBeforeEachPass() {
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QVERIFY(d.press("op1fm/bb1"));
        QCOMPARE(d.wizard->plan().headText, std::string("head of run 1"));
        d.wizard->plan().filesToCopy = "a.gif;";
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QVERIFY(d.press("op1fm/bb1"));
        QCOMPARE(d.recordingInsertion.runs.size(), size_t(2));
        QVERIFY(d.recordingInsertion.planSeen.headText.empty());
        QVERIFY(d.recordingInsertion.planSeen.cursorText.empty());
        QVERIFY(d.recordingInsertion.planSeen.bodyText.empty());
        QVERIFY(d.recordingInsertion.planSeen.bodyTagText.empty());
        QCOMPARE(d.recordingInsertion.planSeen.filesToCopy, std::string("a.gif;"));
    }

    void aFailedInsertionShowsTheErrorAndStaysOnThePage() {
        d.recordingInsertion.failWith = "The host has gone away.";
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        chooseDisplayMethod(2);
        QVERIFY(d.press("op1fm/bb1"));
        QVERIFY(d.press("op1afm/bb1"));
        QCOMPARE(d.messages.shown.size(), size_t(1));
        QCOMPARE(d.messages.shown[0].kind, std::string("error"));
        QCOMPARE(d.messages.shown[0].text, std::string("The host has gone away."));
        QCOMPARE(d.visibleWindows(), QStringList{"op1afm"});
        d.recordingInsertion.failWith.clear();
        QVERIFY(d.press("op1afm/bb1"));
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});
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
        TGradientForm* form = d.wizard->window(WizardWindow(window));
        d.wizard->moveTo(WizardWindow(window));
        QVERIFY(!d.lifetime->ending());
        QVERIFY(d.press(form->objectName() + "/" + cancel));
        QVERIFY(d.lifetime->ending());

        init();
        form = d.wizard->window(WizardWindow(window));
        d.wizard->moveTo(WizardWindow(window));
        QVERIFY(!d.lifetime->ending());
        form->close();
        QVERIFY(d.lifetime->ending());
    }

    // Without a host the desktop's program for web pages opens the page; nothing waits for it,
    // and a page nothing opens shows nothing.
    void previewWithoutAHostUsesTheDesktopsProgram() {
        d.pickTool("Popup Window");
        QVERIFY(d.press("ToolPickerForm/item1"));
        QVERIFY(d.press("ToolPickerForm/bb1"));
        QCOMPARE(d.processes.log, (std::vector<std::string>{"start /opt/vorrel/fmpopup.htm",
                                                            "look up /opt/vorrel/fmpopup.htm"}));
        d.processes.log.clear();
        d.processes.association = std::vector<std::string>{"browser", "--new-window"};
        d.processes.programs = {"browser"};
        toolList()->clearSelection();
        QVERIFY(d.press("ToolPickerForm/bb1"));
        QVERIFY(d.press("ToolPickerForm/bb1"));
        const std::vector<std::string> folderAlone = {"start /opt/vorrel/", "look up /opt/vorrel/",
                                                      "start browser --new-window /opt/vorrel/"};
        std::vector<std::string> twice = folderAlone;
        twice.insert(twice.end(), folderAlone.begin(), folderAlone.end());
        QCOMPARE(d.processes.log, twice); // one preview after the other
        QVERIFY(d.messages.shown.empty());
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});
    }

    void previewWithAHostThatCannotBeReachedSaysWhy() {
        d.host.running = true;
        init();
        QVERIFY(d.press("ToolPickerForm/bb1"));
        QCOMPARE(d.messages.shown.size(), size_t(1));
        QCOMPARE(d.messages.shown[0].kind, std::string("error"));
        QCOMPARE(d.messages.shown[0].text, std::string("no host in this test"));
        QVERIFY(d.processes.log.empty());
    }

    void onlyMessage1148EndsTheProgram() {
        QCoreApplication::postEvent(qApp, new PostedMessage(1149));
        QCoreApplication::sendPostedEvents();
        QVERIFY(!d.lifetime->ending());
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QCoreApplication::postEvent(qApp, new PostedMessage(1148));
        QCoreApplication::sendPostedEvents();
        QVERIFY(d.lifetime->ending());
    }
};

QTEST_MAIN(WizardWindowsTest)
#include "WizardWindowsTest.moc"
