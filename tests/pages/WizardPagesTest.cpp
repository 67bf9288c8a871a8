// SPDX-License-Identifier: MIT
// The option pages driven as a user drives them: typing into the edits, clicking buttons, items
// and check boxes, right-clicking for help. What an insertion receives is compared with what the
// core makes of the same values.

#include "app/WizardFlow.h"
#include "pages/BuilderChecks.h"
#include "support/RecordedGenerator.h"
#include "support/WizardDriver.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPushButton>

using namespace vorrel;
using vorrel::test::WizardDriver;

Q_DECLARE_METATYPE(vorrel::ScriptTool)
Q_DECLARE_METATYPE(vorrel::DisplayMethod)

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// What the user types, with quotes, markup, accents and right-to-left text in every field.
const std::string kCaption = "Grüße \"mein\" <b>Werkzeug</b> שלום";
const std::string kFileName = "pages/Meine Seite \"1\".htm";
const std::string kButtonCaption = "Öffnen <jetzt> & los";
const std::vector<AnimatedButton> kButtons = {
    {"/bilder/eins normal.gif", "/bilder/eins über.gif", "Eins \"1\"", "a.html?x=1&y=<2>"},
    {"zwei.gif", "zwei_on.gif", "مرحبا", "https://example.org/zwei"}};
const std::vector<JumpTarget> kTargets = {{"Start <home>", "index.html"},
                                          {"Über \"uns\"", "about.html#team"}};
const std::string kJumpImage = "/bilder/spring los.gif";
const std::vector<std::string> kPopupLines = {"<p class=\"x\">Hallo</p>", "", "\tZeile drei"};

// Right-clicks as the window system does: the mouse button, then the context menu it asks for.
// A list asks for its menu from the area that shows its lines.
void rightClick(QWidget* control) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
        control = area->viewport();
    const QPoint at = control->rect().center();
    QTest::mouseClick(control, Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &menu);
}

} // namespace

class WizardPagesTest : public QObject {
    Q_OBJECT

    WizardDriver d;

    // Goes from the tool picker to the tool's first page.
    void openTool(const QString& tool) {
        d.pickTool(tool);
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
    }

    void addButtons(const std::vector<AnimatedButton>& buttons) {
        for (const AnimatedButton& b : buttons) {
            QVERIFY(d.type("op2fm/Edit1", q(b.defaultImage)));
            QVERIFY(d.type("op2fm/Edit2", q(b.mouseOverImage)));
            QVERIFY(d.type("op2fm/Edit3", q(b.imageText)));
            QVERIFY(d.type("op2fm/Edit4", q(b.urlTarget)));
            QVERIFY(d.press("op2fm/SpeedButton2"));
        }
    }

    void addTargets(const std::vector<JumpTarget>& targets) {
        for (const JumpTarget& t : targets) {
            QVERIFY(d.type("op4fm/Edit1", q(t.label)));
            QVERIFY(d.type("op4fm/Edit2", q(t.urlTarget)));
            QVERIFY(d.press("op4fm/SpeedButton1"));
        }
    }

    // Fills the tool's builder page, if it has one, and goes on to the Options page.
    void fillBuilderPage(ScriptTool tool) {
        switch (tool) {
        case ScriptTool::AnimatedButtons:
            QVERIFY(d.type("op2fm/e1", "abc"));
            QVERIFY(d.type("op2fm/e2", "32"));
            QVERIFY(d.press("op2fm/cb1"));
            addButtons(kButtons);
            QVERIFY(d.press("op2fm/bb1"));
            break;
        case ScriptTool::PopupWindow:
            QVERIFY(d.type("op3fm/m1", "<p class=\"x\">Hallo</p>\r\n\n\tZeile drei\n"));
            QVERIFY(d.press("op3fm/BitBtn1"));
            break;
        case ScriptTool::JumpList:
            d.files.answers = {kJumpImage};
            QVERIFY(d.press("op4fm/sb1"));
            QVERIFY(d.type("op4fm/e3", "Los \"jetzt\""));
            addTargets(kTargets);
            QVERIFY(d.press("op4fm/bb1"));
            break;
        default:
            break;
        }
        QCOMPARE(d.visibleWindows(), QStringList{"op1fm"});
    }

    // The record the windows should hand over after fillBuilderPage and the Options pages.
    static WizardState typedState(ScriptTool tool, DisplayMethod method) {
        WizardState state;
        state.tool = tool;
        state.backPage = tool == ScriptTool::AnimatedButtons ? OptionsBackPage::ButtonListBuilder
                         : tool == ScriptTool::PopupWindow   ? OptionsBackPage::HtmlTextPage
                         : tool == ScriptTool::JumpList      ? OptionsBackPage::JumpListBuilder
                                                             : OptionsBackPage::ToolPicker;
        state.displayMethod = method;
        state.caption = kCaption;
        // A field that is not enabled keeps what the page proposed.
        const OptionsFields typed = optionsFieldsEnabled(method);
        const std::string name(toolName(tool));
        state.pageFileName = typed.pageFileName ? kFileName : defaultPageFileName(name);
        state.buttonCaption = typed.buttonCaption ? kButtonCaption : name;
        if (method != DisplayMethod::InCurrentPage) {
            state.showToolbar = state.resizableWindow = state.copyHistory = true;
            state.windowWidth = "640";
            state.windowHeight = "";
        }
        if (tool == ScriptTool::AnimatedButtons) {
            state.buttons = kButtons;
            state.imageWidth = "abc";
            state.imageHeight = "32";
            state.suggestBrowserChange = true;
        }
        if (tool == ScriptTool::JumpList) {
            state.jumpImage = kJumpImage;
            state.jumpImageText = "Los \"jetzt\"";
            state.jumpTargets = kTargets;
        }
        if (tool == ScriptTool::PopupWindow)
            state.popupHtmlLines = kPopupLines;
        return state;
    }

private slots:
    void init() { d.start(); }
    void cleanup() {
        d.wizard.reset();
        d.host = test::FakeHostLink();
    }

    void everyToolFromTheWindowsAlone_data() {
        QTest::addColumn<ScriptTool>("tool");
        QTest::addColumn<DisplayMethod>("method");
        QTest::addColumn<bool>("withHost");
        for (int t = 0; t < 7; ++t) {
            for (int m = 0; m < 3; ++m) {
                const auto tool = ScriptTool(t);
                const auto method = DisplayMethod(m);
                if (effectiveDisplayMethod(tool, method) != method)
                    continue;
                for (bool withHost : {true, false})
                    QTest::addRow("%s, method %d, %s", toolName(tool).data(), m,
                                  withHost ? "host" : "no host")
                        << tool << method << withHost;
            }
        }
    }

    // Every tool with every display method it allows: the host calls, page files and clipboard
    // are exactly what the core makes of the values typed.
    void everyToolFromTheWindowsAlone() {
        QFETCH(ScriptTool, tool);
        QFETCH(DisplayMethod, method);
        QFETCH(bool, withHost);

        test::RecordedGenerator actual;
        d.host.running = withHost;
        d.start(&actual.generator);

        openTool(q(std::string(toolName(tool))));
        fillBuilderPage(tool);
        QVERIFY(d.press(QString("op1fm/item%1").arg(int(method))));
        QVERIFY(d.type("op1fm/e1", q(kCaption)));
        if (optionsFieldsEnabled(method).pageFileName)
            QVERIFY(d.type("op1fm/e2", q(kFileName)));
        if (optionsFieldsEnabled(method).buttonCaption)
            QVERIFY(d.type("op1fm/e3", q(kButtonCaption)));
        QVERIFY(d.press("op1fm/bb1"));
        if (method != DisplayMethod::InCurrentPage) {
            for (const char* box : {"op1afm/cb1", "op1afm/cb4", "op1afm/cb6"})
                QVERIFY(d.press(box));
            QVERIFY(d.type("op1afm/e4", "640"));
            QVERIFY(d.type("op1afm/e5", ""));
            QVERIFY(d.press("op1afm/bb1"));
        }
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});

        test::RecordedGenerator expected;
        expected.run(typedState(tool, method), !withHost);
        QCOMPARE(actual.log, expected.log);
        QCOMPARE(actual.platform.files, expected.platform.files);
        QCOMPARE(actual.platform.clipboard, expected.platform.clipboard);
        QVERIFY(!actual.log.empty());
    }

    // A megabyte of caption and of memo, in one line and in many: nothing hangs and the text goes
    // out byte for byte.
    void bigInputPassesWhole() {
        test::RecordedGenerator recorded;
        test::RecordingPlatform& platform = recorded.platform;
        d.start(&recorded.generator);
        QString caption;
        for (int i = 0; i < 100'000; ++i)
            caption += QString("Grüße %1 ").arg(i % 10);
        const QString longLine = QString("<b>\"x\"</b>ü").repeated(100'000);
        QString manyLines;
        for (int i = 0; i < 20'000; ++i)
            manyLines += QString("<p>line %1 with some text</p>\r\n").arg(i);

        openTool("Popup Window");
        QVERIFY(d.type("op3fm/m1", longLine + "\n" + manyLines));
        QVERIFY(d.press("op3fm/BitBtn1"));
        QVERIFY(d.type("op1fm/e1", caption));
        QVERIFY(d.press("op1fm/bb1"));
        QVERIFY(d.press("op1afm/bb1"));
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});

        QCOMPARE(platform.files.size(), size_t(1));
        const std::string& page = platform.files.begin()->second;
        QVERIFY(page.find(caption.toStdString()) != std::string::npos);
        QVERIFY(page.find(longLine.toStdString() + "\r\n<p>line 0 with some text</p>\r\n") !=
                std::string::npos);
        QVERIFY(page.find("<p>line 19999 with some text</p>\r\n") != std::string::npos);
    }

    void addOnTheButtonPageChecksEveryBoxThenClears() {
        openTool("Animated Buttons");
        QVERIFY(d.press("op2fm/SpeedButton2"));
        QCOMPARE(d.shownTexts(), (std::vector<std::string>{std::string(kNeedDefaultImage),
                                                           std::string(kNeedMouseOverImage),
                                                           std::string(kNeedImageText),
                                                           std::string(kNeedButtonUrl)}));
        d.messages.shown.clear();
        addButtons({{"a.gif", "b.gif", "A", ""}});
        QCOMPARE(d.shownTexts(), std::vector<std::string>{std::string(kNeedButtonUrl)});
        QCOMPARE(d.text("op2fm/Edit3"), QString("A"));
        QVERIFY(d.lines("op2fm/ListBox1").isEmpty());

        d.messages.shown.clear();
        QVERIFY(d.type("op2fm/Edit4", "a.html"));
        QVERIFY(d.press("op2fm/SpeedButton2"));
        QVERIFY(d.messages.shown.empty());
        QCOMPARE(d.lines("op2fm/ListBox1"), QStringList{"A"});
        for (const char* edit : {"op2fm/Edit1", "op2fm/Edit2", "op2fm/Edit3", "op2fm/Edit4"})
            QCOMPARE(d.text(edit), QString());
        QCOMPARE(d.window("op2fm")->focusWidget(), d.control("op2fm/Edit1"));
    }

    void nextOnTheBuilderPagesSaysWhatIsMissing_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("typing"); // "control:text"
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no size, no buttons")
            << "Animated Buttons" << QStringList{"op2fm/e1:", "op2fm/e2:"}
            << QStringList{q(std::string(kNeedImageSize)), q(std::string(kNoButtons))};
        QTest::newRow("no buttons")
            << "Animated Buttons" << QStringList{} << QStringList{q(std::string(kNoButtons))};
        QTest::newRow("no image, no targets")
            << "Jump List" << QStringList{}
            << QStringList{q(std::string(kNeedJumpImage)), q(std::string(kNoJumpTargets))};
    }

    void nextOnTheBuilderPagesSaysWhatIsMissing() {
        QFETCH(QString, tool);
        QFETCH(QStringList, typing);
        QFETCH(QStringList, messages);
        openTool(tool);
        const QString page = d.visibleWindows().value(0);
        for (const QString& step : typing)
            QVERIFY(d.type(step.section(':', 0, 0), step.section(':', 1)));
        QVERIFY(d.press(page + "/bb1"));
        QStringList shown;
        for (const std::string& text : d.shownTexts())
            shown << q(text);
        QCOMPARE(shown, messages);
        QCOMPARE(d.visibleWindows(), QStringList{page});
    }

    void addOnTheJumpPageKeepsBothEdits() {
        openTool("Jump List");
        QVERIFY(d.press("op4fm/SpeedButton1"));
        QCOMPARE(d.shownTexts(),
                 (std::vector<std::string>{std::string(kNeedLabel), std::string(kNeedJumpUrl)}));
        d.messages.shown.clear();
        addTargets({{"Home", "index.html"}});
        QVERIFY(d.press("op4fm/SpeedButton1"));
        QVERIFY(d.messages.shown.empty());
        QCOMPARE(d.lines("op4fm/ListBox1"), (QStringList{"Home", "Home"}));
        QCOMPARE(d.text("op4fm/Edit2"), QString("index.html"));
    }

    void deleteAndMoveChangeTheGeneratedOrder_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("buttons") << "op2fm";
        QTest::newRow("jump targets") << "op4fm";
    }

    void deleteAndMoveChangeTheGeneratedOrder() {
        QFETCH(QString, page);
        const bool buttons = page == "op2fm";
        openTool(buttons ? "Animated Buttons" : "Jump List");
        for (const char* name : {"one", "two", "three", "four"}) {
            if (buttons)
                addButtons({{"a.gif", "b.gif", name, "x.html"}});
            else
                addTargets({{name, "x.html"}});
        }
        const auto generated = [&] {
            const WizardState state = d.wizard->currentState();
            QStringList names;
            if (buttons)
                for (const AnimatedButton& b : state.buttons)
                    names << q(b.imageText);
            else
                for (const JumpTarget& t : state.jumpTargets)
                    names << q(t.label);
            return names;
        };
        const QString list = page + "/ListBox1";
        auto* listBox = d.control<QListWidget>(list);

        // The Delete key in the list removes the selected entry and selects the next one...
        d.select(list, 1);
        QTest::keyClick(listBox, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(generated(), (QStringList{"one", "three", "four"}));
        QCOMPARE(d.lines(list), generated());
        QCOMPARE(listBox->selectedItems().value(0)->text(), QString("three"));
        // ...but in an edit it only edits the text.
        QLineEdit* edit = d.control<QLineEdit>(page + "/Edit1");
        QVERIFY(d.type(page + "/Edit1", "abc"));
        edit->setCursorPosition(0);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QString("bc"));
        QCOMPARE(generated().size(), 3);

        // The right-click menu moves the entry under the mouse, and it stays selected.
        const auto fromMenu = [&](int row, const QString& item) {
            const QPoint at = listBox->visualItemRect(listBox->item(row)).center();
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at,
                                   listBox->viewport()->mapToGlobal(at));
            QApplication::sendEvent(listBox->viewport(), &menu);
            return d.chooseFromMenu(item);
        };
        QVERIFY(fromMenu(2, "Move Up"));
        QCOMPARE(generated(), (QStringList{"one", "four", "three"}));
        QVERIFY(fromMenu(0, "Move Down"));
        QCOMPARE(generated(), (QStringList{"four", "one", "three"}));
        QCOMPARE(d.lines(list), generated());
        QVERIFY(!fromMenu(0, "Move Up")); // the first cannot move up
        d.openMenu()->hide();

        // Deleting the last entry leaves nothing selected, and Delete then does nothing.
        QVERIFY(fromMenu(2, "Delete"));
        QCOMPARE(generated(), (QStringList{"four", "one"}));
        QVERIFY(listBox->selectedItems().isEmpty());
        QTest::keyClick(listBox, Qt::Key_Delete);
        QCOMPARE(generated(), (QStringList{"four", "one"}));
    }

    void valuesStayAcrossVisitsAndInsertions() {
        openTool("Animated Buttons");
        QVERIFY(d.type("op2fm/e1", "48"));
        QVERIFY(d.press("op2fm/cb1"));
        addButtons({kButtons[0]});
        QVERIFY(d.type("op2fm/Edit1", "half typed"));
        QVERIFY(d.press("op2fm/bb1"));
        // The Options page proposes its three texts anew at every showing.
        QVERIFY(d.type("op1fm/e1", "Mine"));
        QVERIFY(d.press("op1fm/item1"));
        QVERIFY(d.type("op1fm/e3", "Go"));
        QVERIFY(d.press("op1fm/bb1"));
        QVERIFY(d.press("op1afm/bb2"));
        QCOMPARE(d.text("op1fm/e1"), QString("Animated Buttons"));
        QCOMPARE(d.text("op1fm/e2"), QString("Ani.htm"));
        QCOMPARE(d.text("op1fm/e3"), QString("Animated Buttons"));
        QVERIFY(d.press("op1fm/item0"));
        QVERIFY(d.press("op1fm/bb1")); // Finished
        QCOMPARE(d.recordingInsertion.runs.size(), size_t(1));

        openTool("Animated Buttons");
        QCOMPARE(d.lines("op2fm/ListBox1"), QStringList{q(kButtons[0].imageText)});
        QCOMPARE(d.text("op2fm/e1"), QString("48"));
        QCOMPARE(d.text("op2fm/Edit1"), QString("half typed"));
        QVERIFY(d.control<QCheckBox>("op2fm/cb1")->isChecked());
        const WizardState state = d.wizard->currentState();
        QCOMPARE(state.buttons, std::vector<AnimatedButton>{kButtons[0]});
        QCOMPARE(state.imageWidth, std::string("48"));

        // The memo and the jump list keep theirs too, across Back.
        QVERIFY(d.press("op2fm/bb2"));
        openTool("Popup Window");
        QVERIFY(d.type("op3fm/m1", "<p>x</p>"));
        QVERIFY(d.press("op3fm/BitBtn1"));
        QVERIFY(d.press("op1fm/bb2"));
        QCOMPARE(d.text("op3fm/m1"), QString("<p>x</p>"));
    }

    void theMemoKeepsEnterAndEscape() {
        openTool("Popup Window");
        auto* memo = d.control<QPlainTextEdit>("op3fm/m1");
        QVERIFY(d.type("op3fm/m1", "first"));
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "second");
        QTest::keyClick(memo, Qt::Key_Escape);
        QCOMPARE(d.visibleWindows(), QStringList{"op3fm"});
        QCOMPARE(d.wizard->currentState().popupHtmlLines,
                 (std::vector<std::string>{"first", "second"}));
        // Tab leaves the memo; Escape on a button is Back, Enter elsewhere is Next.
        QTest::keyClick(memo, Qt::Key_Tab);
        QCOMPARE(d.window("op3fm")->focusWidget(), d.control("op3fm/BitBtn1"));
        QTest::keyClick(d.control("op3fm/BitBtn2"), Qt::Key_Escape);
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"});
        openTool("Popup Window");
        QCOMPARE(d.text("op3fm/m1"), QString("first\nsecond"));
        d.control("op3fm/BitBtn2")->setFocus();
        QTest::keyClick(d.control("op3fm/BitBtn2"), Qt::Key_Return);
        QCOMPARE(d.visibleWindows(), QStringList{"ToolPickerForm"}); // the focused button
    }

    void theJumpPageStopsStayingOnTopAtItsFirstBrowse() {
        openTool("Jump List");
        // The wizard's window stays on top while the page is shown.
        QWidget* window = d.window("op4fm")->window();
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(d.press("op4fm/sb1")); // cancelled
        QCOMPARE(d.text("op4fm/e2"), QString());
        QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(d.visibleWindows(), QStringList{"op4fm"});
        QCOMPARE(d.files.opened.back(),
                 (std::vector<std::string>{"Images (*.jpg *.jpeg *.gif)", "All files (*)"}));
        QVERIFY(qobject_cast<TGradientForm*>(d.window("op3fm"))->staysOnTop());

        d.files.answers = {"/a/b.gif"};
        QVERIFY(d.press("op4fm/sb1"));
        QCOMPARE(d.text("op4fm/e2"), QString("/a/b.gif"));
        QVERIFY(d.press("op4fm/bb3"));
        openTool("Animated Buttons");
        d.files.answers = {std::nullopt, "/c/d.gif"};
        QVERIFY(d.type("op2fm/Edit1", "kept"));
        QVERIFY(d.press("op2fm/SpeedButton1"));
        QVERIFY(d.press("op2fm/SpeedButton3"));
        QCOMPARE(d.text("op2fm/Edit1"), QString("kept"));
        QCOMPARE(d.text("op2fm/Edit2"), QString("/c/d.gif"));
        QCOMPARE(d.files.opened.back(), std::vector<std::string>{}); // no filter
    }

    void whatsThisShowsTheTopicOfTheControlRightClicked() {
        const auto whatsThis = [&](const QString& control) {
            rightClick(d.control(control));
            return d.chooseFromMenu("What's This?");
        };
        QVERIFY(d.press("ToolPickerForm/BitBtn1"));
        QVERIFY(d.press("op1fm/item2"));
        QVERIFY(whatsThis("op1fm/e1"));
        QVERIFY(whatsThis("op1fm/Label3"));
        QVERIFY(whatsThis("op1fm/Label1")); // no topic: the menu opens, nothing is shown
        QVERIFY(whatsThis("op1fm/item0"));  // the display method group's own menu
        QCOMPARE(d.help.shown, (std::vector<std::string>{"popup 8", "popup 11", "popup 9"}));

        // A left click changes nothing; choosing a display method makes it 9.
        rightClick(d.control("op1fm/e2"));
        QTest::mouseClick(d.control("op1fm/e1"), Qt::LeftButton);
        QVERIFY(d.chooseFromMenu("What's This?"));
        QVERIFY(d.press("op1fm/item1"));
        rightClick(d.control("op1fm/Label1"));
        QVERIFY(d.press("op1fm/item2"));
        QVERIFY(d.chooseFromMenu("What's This?"));
        QCOMPARE(d.help.shown.back(), std::string("popup 9"));
        QCOMPARE(d.help.shown.size(), size_t(5));
        QCOMPARE(d.help.shown[3], std::string("popup 10"));

        QVERIFY(d.press("op1fm/bb1"));
        QVERIFY(whatsThis("op1afm/cb3"));
        QVERIFY(whatsThis("op1afm/Label10"));
        QCOMPARE(d.help.shown.back(), std::string("popup 12"));
        QCOMPARE(d.help.shown.size(), size_t(7));

        QVERIFY(d.press("op1afm/bb2"));
        QVERIFY(d.press("op1fm/bb2"));
        QVERIFY(d.press("ToolPickerForm/BitBtn2"));
        QVERIFY(whatsThis("ToolPickerForm/lb1"));
        QCOMPARE(d.help.shown.back(), std::string("topic 1"));
        QCOMPARE(d.help.shown.size(), size_t(9));
    }

    void everyFieldHasANameForScreenReaders() {
        for (const QString& name : test::kWindowNames) {
            for (QWidget* control : d.window(name)->findChildren<QWidget*>()) {
                const bool field =
                    qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
                    qobject_cast<QListWidget*>(control) ||
                    qobject_cast<QAbstractButton*>(control) || control->objectName() == "rg1";
                if (!field || control->objectName().startsWith("qt_"))
                    continue;
                const QString spoken = control->accessibleName().isEmpty()
                                           ? (qobject_cast<QAbstractButton*>(control)
                                                  ? qobject_cast<QAbstractButton*>(control)->text()
                                                  : QString())
                                           : control->accessibleName();
                QVERIFY2(!spoken.isEmpty(), qPrintable(name + "/" + control->objectName()));
            }
        }
    }
};

QTEST_MAIN(WizardPagesTest)
#include "WizardPagesTest.moc"
