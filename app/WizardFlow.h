// SPDX-License-Identifier: MIT
#pragma once

#include "app/ScriptTool.h"
#include "pages/WizardState.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorrel {

// The six wizard windows.
enum class WizardWindow {
    ToolPicker,
    Options,               // op1fm
    SeparateWindowOptions, // op1afm
    ButtonListBuilder,     // op2fm
    HtmlTextPage,          // op3fm
    JumpListBuilder,       // op4fm
};

inline constexpr WizardWindow kWizardWindows[] = {WizardWindow::ToolPicker,
                                                  WizardWindow::Options,
                                                  WizardWindow::SeparateWindowOptions,
                                                  WizardWindow::ButtonListBuilder,
                                                  WizardWindow::HtmlTextPage,
                                                  WizardWindow::JumpListBuilder};

// The number of the posted message that ends the program.
inline constexpr unsigned kQuitMessage = 1148;

inline constexpr std::string_view kFinishedCaption = "Finished";
inline constexpr std::string_view kNextCaption = "Next >>";
inline constexpr std::string_view kNoToolMessage = "No Javascript tool has been selected.";

// The page the tool picker's Next >> leads to; nothing when no tool is selected.
std::optional<WizardWindow> firstPageFor(ScriptTool tool);

// Where Back on the Options page goes.
WizardWindow optionsBackTarget(OptionsBackPage backPage);

// The value a window writes into backPage when it is shown; nothing for the windows that leave it.
std::optional<OptionsBackPage> backPageSetBy(WizardWindow window);

// The Popup Window tool can never be displayed in the current page.
DisplayMethod effectiveDisplayMethod(ScriptTool tool, DisplayMethod method);

// The caption of the Options page's Next button for a display method.
std::string_view optionsNextCaption(DisplayMethod method);

// Which of the Options page's separate-window fields a display method uses: the page file name
// for both separate-window methods, the button's caption only when a button opens the window.
struct OptionsFields {
    bool pageFileName;
    bool buttonCaption;
    bool operator==(const OptionsFields&) const = default;
};
OptionsFields optionsFieldsEnabled(DisplayMethod method);

// The page file name the Options page proposes: the caption's first three characters (fewer
// when it is shorter; characters, not bytes) followed by ".htm".
std::string defaultPageFileName(std::string_view caption);

// Next on the Options page finishes exactly when its caption reads "Finished".
inline bool optionsNextFinishes(std::string_view caption) {
    return caption == kFinishedCaption;
}

} // namespace vorrel
