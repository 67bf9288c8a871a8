// SPDX-License-Identifier: MIT
#pragma once

#include "app/WizardFlow.h"
#include "pages/WizardState.h"
#include "scripts/InsertionPlan.h"

#include <functional>
#include <memory>
#include <string>

namespace vorrel {

class FilePicker;
class Help;
class HostEditorLink;
class InsertionRunner;
class MessageBoxes;
class ProcessStarter;
class Screen;
class Splash;
class ProgramLifetime;
class TGradientForm;
class ToolPickerForm;
class WizardFrame;
class Top1fm;
class Top1afm;
class Top2fm;
class Top3fm;
class Top4fm;

struct WizardServices {
    MessageBoxes& messages;
    HostEditorLink& host;
    ProgramLifetime& lifetime;
    InsertionRunner& insertion;
    FilePicker& filePicker;
    Help& help;
    ProcessStarter& processes;
    // Where the example pages and the help file are, with its trailing "/".
    std::string programFolder;
    Screen& screen;
    Splash& splash;
};

// The six wizard windows and the moves between them. The windows are created once, hidden, and
// only hidden and shown afterwards; exactly one of them is visible while the wizard runs, inside
// the wizard's one top-level window.
class Wizard {
public:
    explicit Wizard(WizardServices services);
    ~Wizard();
    Wizard(const Wizard&) = delete;
    Wizard& operator=(const Wizard&) = delete;

    // Shows the tool picker.
    void start();

    // A wizard window; the pages are made when the first one is asked for.
    TGradientForm* window(WizardWindow which);
    void ensurePages();
    ToolPickerForm& picker() const { return *picker_; }
    WizardFrame& frame() const { return *frame_; }

    // Hides the visible wizard window, then shows `target`.
    void moveTo(WizardWindow target);
    // Finished: runs the insertion; when it returns the tool picker comes back, when it fails the
    // error box shows why and the finishing page stays.
    void finish();
    void endProgram();

    // Runs a button's handler so that an error is shown in the error box instead of escaping
    // into the event loop, and the window stays as it was.
    void guarded(const std::function<void()>& handler);

    OptionsBackPage backPage() const { return backPage_; }
    void setBackPage(OptionsBackPage page) { backPage_ = page; }
    ScriptTool tool() const;
    bool noHost() const;
    InsertionPlan& plan() { return plan_; }
    MessageBoxes& messages() const { return services_.messages; }
    HostEditorLink& host() const { return services_.host; }
    FilePicker& filePicker() const { return services_.filePicker; }
    Help& help() const { return services_.help; }
    ProcessStarter& processes() const { return services_.processes; }
    const std::string& programFolder() const { return services_.programFolder; }
    Screen& screen() const { return services_.screen; }
    Splash& splash() const { return services_.splash; }

    // The wizard's values as the controls hold them now: what an insertion started now would use.
    WizardState currentState();

private:
    WizardServices services_;
    OptionsBackPage backPage_ = OptionsBackPage::ToolPicker;
    InsertionPlan plan_;

    // Made first and gone last: the windows are shown in it.
    std::unique_ptr<WizardFrame> frame_;
    std::unique_ptr<ToolPickerForm> picker_;
    std::unique_ptr<Top1afm> op1afm_;
    std::unique_ptr<Top2fm> op2fm_;
    std::unique_ptr<Top3fm> op3fm_;
    std::unique_ptr<Top4fm> op4fm_;
    std::unique_ptr<Top1fm> op1fm_;
};

} // namespace vorrel
