// SPDX-License-Identifier: MIT
#include "pages/WizardPage.h"

#include "app/Platform.h"
#include "app/ToolPickerForm.h"
#include "app/Wizard.h"
#include "chrome/PaintBox.h"
#include "chrome/QtText.h"
#include "chrome/WayOut.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

namespace vorrel {

WizardPage::WizardPage(Wizard& wizard, bool staysOnTop)
    : TGradientForm(wizard.frame(), staysOnTop), wizard_(wizard) {
    // F1 opens the help on any wizard window, as the tool picker's Help button does.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this,
            [this] { wizard_.guarded([this] { wizard_.help().showTopic(1); }); });
}

void WizardPage::FormClose() {
    wizard_.endProgram();
}

void WizardPage::pageLoaded() {
    formLoaded();
    if (auto* pb2 = findChild<PaintBox*>(QStringLiteral("pb2")))
        pb2->onPaint = [this](PaintBox& box, QPainter& painter) { pb2Paint(box, painter); };
}

void WizardPage::pb2Paint(PaintBox& box, QPainter& painter) {
    wizard_.picker().PaintWizardPicture(QStringLiteral("bmpHalfWiz"), QStringLiteral("bmpFullWiz"),
                                        box, painter);
}

void WizardPage::onClick(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { wizard_.guarded(handler); });
}

void WizardPage::onCancel(QAbstractButton* button) {
    markWayOut(button);
    onClick(button, [this] { wizard_.endProgram(); });
}

void WizardPage::onTriggered(QAction* action, std::function<void()> handler) {
    connect(action, &QAction::triggered, this,
            [this, handler = std::move(handler)] { wizard_.guarded(handler); });
}

QMenu* WizardPage::addContextMenu(QWidget* control, QAction* action, const QString& menuName) {
    auto* menu = new QMenu(this);
    menu->setObjectName(menuName);
    menu->addAction(action);
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, menu,
            [menu, control](const QPoint& at) { menu->popup(control->mapToGlobal(at)); });
    return menu;
}

void WizardPage::browseInto(QLineEdit* edit, const std::vector<std::string>& filters) {
    if (const auto path = wizard_.filePicker().pickFile(filters))
        edit->setText(toQString(*path));
}

bool WizardPage::passes(const Problems& problems) {
    for (std::string_view problem : problems)
        wizard_.messages().showPlain(std::string(problem));
    return problems.empty();
}

} // namespace vorrel
