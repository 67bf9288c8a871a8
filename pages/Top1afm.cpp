// SPDX-License-Identifier: MIT
#include "pages/Top1afm.h"

#include "app/Wizard.h"
#include "chrome/QtText.h"
#include "pages/WhatsThisHelp.h"
#include "ui_Top1afm.h"

namespace vorrel {

Top1afm::Top1afm(Wizard& wizard) : WizardPage(wizard), ui(std::make_unique<Ui::Top1afm>()) {
    ui->setupUi(this);
    pageLoaded();
    setDefaultButton(ui->bb1);
    whatsThis_ = new WhatsThisHelp(this, ui->WhatsThis1, wizard.help());

    onClick(ui->bb1, [this] { wizard_.finish(); });
    onClick(ui->bb2, [this] { wizard_.moveTo(WizardWindow::Options); });
    onCancel(ui->bb3);
    onTriggered(ui->WhatsThis1, [this] { whatsThis_->WhatsThis1Click(); });
}

Top1afm::~Top1afm() = default;

int Top1afm::helpContext() const {
    return whatsThis_->helpContext();
}

void Top1afm::readInto(WizardState& state) const {
    state.showToolbar = ui->cb1->isChecked();
    state.showStatusBar = ui->cb2->isChecked();
    state.showMenuBar = ui->cb3->isChecked();
    state.resizableWindow = ui->cb4->isChecked();
    state.showScrollbars = ui->cb5->isChecked();
    state.copyHistory = ui->cb6->isChecked();
    state.windowWidth = toStdString(ui->e4->text());
    state.windowHeight = toStdString(ui->e5->text());
}

} // namespace vorrel
