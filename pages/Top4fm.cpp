// SPDX-License-Identifier: MIT
#include "pages/Top4fm.h"

#include "app/Wizard.h"
#include "chrome/QtText.h"
#include "pages/EntryListControl.h"
#include "ui_Top4fm.h"

namespace vorrel {

Top4fm::Top4fm(Wizard& wizard) : WizardPage(wizard, true), ui(std::make_unique<Ui::Top4fm>()) {
    ui->setupUi(this);
    pageLoaded();
    setDefaultButton(ui->bb1);
    list_ = new EntryListControl(
        ui->ListBox1, [this] { wizard_.guarded([this] { bb7Click(); }); },
        [this](int delta) { list_->moveSelected(jumpTargets_, delta); });

    onClick(ui->sb1, [this] { sb1Click(); });
    onClick(ui->SpeedButton1, [this] { bb4Click(); });
    onClick(ui->bb1, [this] { bb1Click(); });
    onClick(ui->bb3, [this] { wizard_.moveTo(WizardWindow::ToolPicker); });
    onCancel(ui->BitBtn1);
}

Top4fm::~Top4fm() = default;

void Top4fm::FormShow() {
    wizard_.setBackPage(OptionsBackPage::JumpListBuilder);
}

void Top4fm::readInto(WizardState& state) const {
    state.jumpImage = toStdString(ui->e2->text());
    state.jumpImageText = toStdString(ui->e3->text());
    state.jumpTargets = jumpTargets_;
}

void Top4fm::sb1Click() {
    // The page stays above other windows only until the first browse, for the rest of the run.
    setStaysOnTop(false);
    browseInto(ui->e2, {"Images (*.jpg *.jpeg *.gif)", "All files (*)"});
}

void Top4fm::bb4Click() {
    JumpTarget entry{toStdString(ui->Edit1->text()), toStdString(ui->Edit2->text())};
    if (!passes(addJumpTargetProblems(entry)))
        return;
    // Both edits keep their text, so that a similar entry is quick to add.
    ui->ListBox1->addItem(ui->Edit1->text());
    jumpTargets_.push_back(std::move(entry));
}

void Top4fm::bb7Click() {
    list_->removeSelected(jumpTargets_);
}

void Top4fm::bb1Click() {
    if (passes(jumpListProblems(toStdString(ui->e2->text()), jumpTargets_.size())))
        wizard_.moveTo(WizardWindow::Options);
}

} // namespace vorrel
