// SPDX-License-Identifier: MIT
#include "app/Wizard.h"

#include "app/Errors.h"
#include "app/Platform.h"
#include "app/ProgramLifetime.h"
#include "app/ToolPickerForm.h"
#include "chrome/WizardFrame.h"
#include "pages/Top1afm.h"
#include "pages/Top1fm.h"
#include "pages/Top2fm.h"
#include "pages/Top3fm.h"
#include "pages/Top4fm.h"
#include "scripts/InsertionRunner.h"

namespace vorrel {

Wizard::Wizard(WizardServices services)
    : services_(services), frame_(std::make_unique<WizardFrame>()) {
    // The tool picker comes first so that it is the main window; its creation runs the
    // host-running test, before any page exists.
    picker_ = std::make_unique<ToolPickerForm>(*this);
}

// The pages, hidden, in their order. The tool picker asks for them once it has been drawn, so
// that the program's first window is on the screen sooner; anything that needs a page before
// then makes them at once.
void Wizard::ensurePages() {
    if (op1fm_)
        return;
    op1afm_ = std::make_unique<Top1afm>(*this);
    op2fm_ = std::make_unique<Top2fm>(*this);
    op3fm_ = std::make_unique<Top3fm>(*this);
    op4fm_ = std::make_unique<Top4fm>(*this);
    op1fm_ = std::make_unique<Top1fm>(*this);
}

// The windows go before the frame that holds them.
Wizard::~Wizard() {
    op1fm_.reset();
    op4fm_.reset();
    op3fm_.reset();
    op2fm_.reset();
    op1afm_.reset();
    picker_.reset();
}

void Wizard::start() {
    frame_->showPage(picker_.get());
}

TGradientForm* Wizard::window(WizardWindow which) {
    if (which != WizardWindow::ToolPicker)
        ensurePages();
    switch (which) {
    case WizardWindow::ToolPicker:
        return picker_.get();
    case WizardWindow::Options:
        return op1fm_.get();
    case WizardWindow::SeparateWindowOptions:
        return op1afm_.get();
    case WizardWindow::ButtonListBuilder:
        return op2fm_.get();
    case WizardWindow::HtmlTextPage:
        return op3fm_.get();
    case WizardWindow::JumpListBuilder:
        return op4fm_.get();
    }
    return picker_.get();
}

void Wizard::moveTo(WizardWindow target) {
    frame_->showPage(window(target));
}

void Wizard::finish() {
    guarded([this] {
        services_.insertion.generateInsertion(currentState(), noHost(), plan_);
        moveTo(WizardWindow::ToolPicker);
    });
}

void Wizard::endProgram() {
    services_.lifetime.end();
}

void Wizard::guarded(const std::function<void()>& handler) {
    std::string failure;
    try {
        handler();
        return;
    } catch (const Terminated&) {
        return;
    } catch (const Declined&) {
        return;
    } catch (const std::exception& error) {
        failure = error.what();
    }
    try {
        services_.messages.showError(failure);
    } catch (const Terminated&) {
    }
}

ScriptTool Wizard::tool() const {
    return picker_->selectedTool();
}

bool Wizard::noHost() const {
    return picker_->noHost();
}

WizardState Wizard::currentState() {
    ensurePages();
    WizardState state;
    picker_->readInto(state);
    state.backPage = backPage_;
    op1fm_->readInto(state);
    op1afm_->readInto(state);
    op2fm_->readInto(state);
    op3fm_->readInto(state);
    op4fm_->readInto(state);
    return state;
}

} // namespace vorrel
