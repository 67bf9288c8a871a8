// SPDX-License-Identifier: MIT
#include "pages/Top2fm.h"

#include "app/Wizard.h"
#include "chrome/QtText.h"
#include "pages/EntryListControl.h"
#include "ui_Top2fm.h"

namespace vorrel {

Top2fm::Top2fm(Wizard& wizard) : WizardPage(wizard), ui(std::make_unique<Ui::Top2fm>()) {
    ui->setupUi(this);
    pageLoaded();
    setDefaultButton(ui->bb1);
    list_ = new EntryListControl(
        ui->ListBox1, [this] { wizard_.guarded([this] { bb7Click(); }); },
        [this](int delta) { list_->moveSelected(buttons_, delta); });

    // One file-open dialog, without a filter, serves both images.
    onClick(ui->SpeedButton1, [this] { browseInto(ui->Edit1, {}); });
    onClick(ui->SpeedButton3, [this] { browseInto(ui->Edit2, {}); });
    onClick(ui->SpeedButton2, [this] { bb4Click(); });
    onClick(ui->bb1, [this] { bb1Click(); });
    onClick(ui->bb2, [this] { wizard_.moveTo(WizardWindow::ToolPicker); });
    onCancel(ui->bb3);
}

Top2fm::~Top2fm() = default;

void Top2fm::FormShow() {
    wizard_.setBackPage(OptionsBackPage::ButtonListBuilder);
}

void Top2fm::readInto(WizardState& state) const {
    state.buttons = buttons_;
    state.imageWidth = toStdString(ui->e1->text());
    state.imageHeight = toStdString(ui->e2->text());
    state.suggestBrowserChange = ui->cb1->isChecked();
}

void Top2fm::bb4Click() {
    AnimatedButton entry{toStdString(ui->Edit1->text()), toStdString(ui->Edit2->text()),
                         toStdString(ui->Edit3->text()), toStdString(ui->Edit4->text())};
    if (!passes(addButtonProblems(entry)))
        return;
    ui->ListBox1->addItem(ui->Edit3->text());
    buttons_.push_back(std::move(entry));
    for (QLineEdit* edit : {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4})
        edit->clear();
    ui->Edit1->setFocus();
}

void Top2fm::bb7Click() {
    list_->removeSelected(buttons_);
}

void Top2fm::bb1Click() {
    if (passes(buttonListProblems(toStdString(ui->e1->text()), toStdString(ui->e2->text()),
                                  buttons_.size())))
        wizard_.moveTo(WizardWindow::Options);
}

} // namespace vorrel
