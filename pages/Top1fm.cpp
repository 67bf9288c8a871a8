// SPDX-License-Identifier: MIT
#include "pages/Top1fm.h"

#include "app/Platform.h"
#include "app/Wizard.h"
#include "app/WizardFlow.h"
#include "chrome/QtText.h"
#include "chrome/RadioItems.h"
#include "pages/WhatsThisHelp.h"
#include "ui_Top1fm.h"

namespace vorrel {

Top1fm::Top1fm(Wizard& wizard) : WizardPage(wizard), ui(std::make_unique<Ui::Top1fm>()) {
    ui->setupUi(this);
    pageLoaded();
    setDefaultButton(ui->bb1);
    // The display method's group has a menu of its own, made before the other controls' menu
    // so that it keeps its own.
    addContextMenu(ui->rg1, ui->WhatsThis2, QStringLiteral("pm2"));
    whatsThis_ = new WhatsThisHelp(this, ui->WhatsThis1, wizard.help());

    connect(ui->rg1Items, &QButtonGroup::buttonClicked, this, [this] { rg1Click(); });
    onClick(ui->bb1, [this] { bb1Click(); });
    onClick(ui->bb2, [this] { bb2Click(); });
    onCancel(ui->bb3);
    onTriggered(ui->WhatsThis1, [this] { whatsThis_->WhatsThis1Click(); });
    onTriggered(ui->WhatsThis2, [this] { WhatsThis2Click(); });
}

Top1fm::~Top1fm() = default;

DisplayMethod Top1fm::displayMethod() const {
    return static_cast<DisplayMethod>(checkedItem(*ui->rg1Items));
}

int Top1fm::helpContext() const {
    return whatsThis_->helpContext();
}

void Top1fm::readInto(WizardState& state) const {
    state.caption = toStdString(ui->e1->text());
    state.displayMethod = displayMethod();
    state.pageFileName = toStdString(ui->e2->text());
    state.buttonCaption = toStdString(ui->e3->text());
}

// Every showing proposes the tool's own caption, page file and button caption again.
void Top1fm::FormShow() {
    ui->e1->setText(toQString(toolName(wizard_.tool())));
    ui->e3->setText(ui->e1->text());
    ui->e2->setText(toQString(defaultPageFileName(toStdString(ui->e1->text()))));
    rg1Click();
}

// The display-method rule.
void Top1fm::rg1Click() {
    whatsThis_->setHelpContext(9);
    const DisplayMethod method = effectiveDisplayMethod(wizard_.tool(), displayMethod());
    checkItem(*ui->rg1Items, int(method));
    ui->bb1->setText(toQString(optionsNextCaption(method)));
    const OptionsFields enabled = optionsFieldsEnabled(method);
    ui->Label2->setEnabled(enabled.pageFileName);
    ui->e2->setEnabled(enabled.pageFileName);
    ui->Label3->setEnabled(enabled.buttonCaption);
    ui->e3->setEnabled(enabled.buttonCaption);
}

void Top1fm::bb1Click() {
    if (optionsNextFinishes(toStdString(ui->bb1->text())))
        wizard_.finish();
    else
        wizard_.moveTo(WizardWindow::SeparateWindowOptions);
}

void Top1fm::bb2Click() {
    wizard_.moveTo(optionsBackTarget(wizard_.backPage()));
}

void Top1fm::WhatsThis2Click() {
    wizard_.help().showPopup(9);
}

} // namespace vorrel
