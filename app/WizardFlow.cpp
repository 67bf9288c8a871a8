// SPDX-License-Identifier: MIT
#include "app/WizardFlow.h"

namespace vorrel {

std::optional<WizardWindow> firstPageFor(ScriptTool tool) {
    switch (tool) {
    case ScriptTool::Clock:
    case ScriptTool::Timer:
    case ScriptTool::SearchPad:
    case ScriptTool::IspCostCalculator:
        return WizardWindow::Options;
    case ScriptTool::AnimatedButtons:
        return WizardWindow::ButtonListBuilder;
    case ScriptTool::PopupWindow:
        return WizardWindow::HtmlTextPage;
    case ScriptTool::JumpList:
        return WizardWindow::JumpListBuilder;
    case ScriptTool::None:
        break;
    }
    return std::nullopt;
}

WizardWindow optionsBackTarget(OptionsBackPage backPage) {
    switch (backPage) {
    case OptionsBackPage::ButtonListBuilder:
        return WizardWindow::ButtonListBuilder;
    case OptionsBackPage::HtmlTextPage:
        return WizardWindow::HtmlTextPage;
    case OptionsBackPage::JumpListBuilder:
        return WizardWindow::JumpListBuilder;
    case OptionsBackPage::ToolPicker:
        break;
    }
    return WizardWindow::ToolPicker;
}

std::optional<OptionsBackPage> backPageSetBy(WizardWindow window) {
    switch (window) {
    case WizardWindow::ToolPicker:
        return OptionsBackPage::ToolPicker;
    case WizardWindow::ButtonListBuilder:
        return OptionsBackPage::ButtonListBuilder;
    case WizardWindow::HtmlTextPage:
        return OptionsBackPage::HtmlTextPage;
    case WizardWindow::JumpListBuilder:
        return OptionsBackPage::JumpListBuilder;
    case WizardWindow::Options:
    case WizardWindow::SeparateWindowOptions:
        break;
    }
    return std::nullopt;
}

DisplayMethod effectiveDisplayMethod(ScriptTool tool, DisplayMethod method) {
    if (tool == ScriptTool::PopupWindow && method == DisplayMethod::InCurrentPage)
        return DisplayMethod::AutoOpenWindow;
    return method;
}

std::string_view optionsNextCaption(DisplayMethod method) {
    return method == DisplayMethod::InCurrentPage ? kFinishedCaption : kNextCaption;
}

OptionsFields optionsFieldsEnabled(DisplayMethod method) {
    return {method != DisplayMethod::InCurrentPage, method == DisplayMethod::ButtonOpensWindow};
}

std::string defaultPageFileName(std::string_view caption) {
    // A UTF-8 character starts with any byte that is not a continuation byte (10xxxxxx).
    const auto startsCharacter = [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    };
    std::size_t end = 0;
    for (int characters = 0; end < caption.size(); ++end) {
        if (startsCharacter(caption[end]) && ++characters > 3)
            break;
    }
    return std::string(caption.substr(0, end)) + ".htm";
}

} // namespace vorrel
