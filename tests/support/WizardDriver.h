// SPDX-License-Identifier: MIT
#pragma once

#include "app/ProgramLifetime.h"
#include "app/Wizard.h"
#include "chrome/TGradientForm.h"
#include "support/FakeServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace vorrel::test {

inline const QStringList kWindowNames = {"ToolPickerForm", "op1fm", "op1afm",
                                         "op2fm",          "op3fm", "op4fm"};

// The wizard's windows as a user meets them: controls are named "window/control" by their object
// names, and are clicked and typed into with QTest. The services are fakes the test reads.
class WizardDriver {
public:
    RecordingMessageBoxes messages;
    FakeHostLink host;
    RecordingInsertion recordingInsertion;
    RecordingHelp help;
    ScriptedFilePicker files;
    RecordingProcesses processes;
    FixedScreen screen;
    CountingSplash splash;
    std::unique_ptr<ProgramLifetime> lifetime;
    std::unique_ptr<Wizard> wizard;

    // New windows, as at program start; the insertion runs `insertion`, or is only recorded.
    void start(InsertionRunner* insertion = nullptr) {
        wizard.reset();
        messages.shown.clear();
        help.shown.clear();
        recordingInsertion = RecordingInsertion();
        lifetime = std::make_unique<ProgramLifetime>();
        processes.log.clear();
        splash.shown = 0;
        wizard = std::make_unique<Wizard>(
            WizardServices{messages, host, *lifetime, insertion ? *insertion : recordingInsertion,
                           files, help, processes, "/opt/vorrel/", screen, splash});
        wizard->start();
        // The pages as the program has them once its first window has been drawn.
        wizard->ensurePages();
    }

    // A wizard window by its object name, in whichever top-level window shows it.
    static QWidget* window(const QString& name) {
        for (QWidget* top : QApplication::topLevelWidgets())
            for (auto* form : top->findChildren<TGradientForm*>(Qt::FindDirectChildrenOnly))
                if (form->objectName() == name)
                    return form;
        return nullptr;
    }

    // The names of the wizard windows that are visible now.
    static QStringList visibleWindows() {
        QStringList visible;
        for (const QString& name : kWindowNames)
            if (QWidget* w = window(name); w && w->isVisible())
                visible << name;
        return visible;
    }

    // "window/control".
    template <typename T = QWidget> static T* control(const QString& path) {
        const QStringList parts = path.split('/');
        QWidget* top = window(parts[0]);
        return top ? top->findChild<T*>(parts[1]) : nullptr;
    }

    // Clicks a button, radio item or check box as a user would; false when it is not there to
    // click.
    static bool press(const QString& path) {
        auto* button = control<QAbstractButton>(path);
        if (!button || !button->isVisible() || !button->isEnabled()) {
            qWarning() << "cannot press" << path << "visible windows:" << visibleWindows();
            return false;
        }
        // A radio item or check box takes clicks on its mark and its text only.
        const bool marked = qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          marked ? QPoint(8, button->height() / 2) : button->rect().center());
        return true;
    }

    // Replaces the text of an edit or the memo by typing; false when it is not there.
    static bool type(const QString& path, const QString& text) {
        QWidget* edit = control(path);
        if (!edit || !edit->isVisible() || !edit->isEnabled()) {
            qWarning() << "cannot type into" << path;
            return false;
        }
        edit->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(edit)) {
            line->selectAll();
            QTest::keyClick(line, Qt::Key_Delete);
            // Typing a long text key by key would take minutes; insert() is what a paste does.
            line->insert(text);
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(edit)) {
            memo->selectAll();
            memo->insertPlainText(text);
        } else {
            return false;
        }
        return true;
    }

    static QString text(const QString& path) {
        if (auto* line = control<QLineEdit>(path))
            return line->text();
        if (auto* memo = control<QPlainTextEdit>(path))
            return memo->toPlainText();
        return "<no edit " + path + ">";
    }

    static QStringList lines(const QString& listPath) {
        QStringList lines;
        if (auto* list = control<QListWidget>(listPath))
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text();
        return lines;
    }

    // Clicks line `row` of a list.
    static void select(const QString& listPath, int row) {
        auto* list = control<QListWidget>(listPath);
        QVERIFY(list && row < list->count());
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    void pickTool(const QString& tool) {
        auto* list = control<QListWidget>("ToolPickerForm/lb1");
        const auto items = list->findItems(tool, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        list->setCurrentItem(items.front());
    }

    // The pop-up menu that is open now, if any.
    static QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    // Chooses the item with the text `item` in the open pop-up menu.
    static bool chooseFromMenu(const QString& item) {
        QMenu* menu = openMenu();
        if (!menu)
            return false;
        for (QAction* action : menu->actions()) {
            if (action->text() == item && action->isEnabled()) {
                menu->hide();
                action->trigger();
                return true;
            }
        }
        return false;
    }

    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const auto& shown : messages.shown)
            texts.push_back(shown.text);
        return texts;
    }
};

} // namespace vorrel::test
