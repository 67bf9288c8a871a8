// SPDX-License-Identifier: MIT
#include "pages/Top3fm.h"

#include "app/Wizard.h"
#include "chrome/QtText.h"
#include "pages/HtmlLines.h"
#include "ui_Top3fm.h"

namespace vorrel {

// The page stays above other windows while it is shown. Enter and Escape in the memo are the
// memo's own; elsewhere they press Next and Back.
Top3fm::Top3fm(Wizard& wizard) : WizardPage(wizard, true), ui(std::make_unique<Ui::Top3fm>()) {
    ui->setupUi(this);
    pageLoaded();
    setDefaultButton(ui->BitBtn1);
    setCancelButton(ui->BitBtn2);

    onClick(ui->BitBtn1, [this] { wizard_.moveTo(WizardWindow::Options); });
    onClick(ui->BitBtn2, [this] { wizard_.moveTo(WizardWindow::ToolPicker); });
    onCancel(ui->bb3);
}

Top3fm::~Top3fm() = default;

void Top3fm::FormShow() {
    wizard_.setBackPage(OptionsBackPage::HtmlTextPage);
}

void Top3fm::readInto(WizardState& state) const {
    state.popupHtmlLines = splitLines(toStdString(ui->m1->toPlainText()));
}

} // namespace vorrel
