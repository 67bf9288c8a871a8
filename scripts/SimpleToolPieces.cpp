// SPDX-License-Identifier: MIT
#include "scripts/SimpleToolPieces.h"

#include "scripts/ToolTemplates.h"

namespace vorrel {

namespace {

std::string_view toolForm(ScriptTool tool) {
    switch (tool) {
    case ScriptTool::Clock:
        return clockForm();
    case ScriptTool::Timer:
        return timerForm();
    case ScriptTool::SearchPad:
        return searchPadForm();
    case ScriptTool::IspCostCalculator:
        return ispCostForm();
    default:
        return {};
    }
}

} // namespace

std::string_view toolScriptBlock(ScriptTool tool) {
    switch (tool) {
    case ScriptTool::Clock:
        return clockScriptBlock();
    case ScriptTool::Timer:
        return timerScriptBlock();
    case ScriptTool::SearchPad:
        return searchPadScriptBlock();
    case ScriptTool::IspCostCalculator:
        return ispCostScriptBlock();
    default:
        return {};
    }
}

std::string_view toolBodyAttributes(ScriptTool tool) {
    switch (tool) {
    case ScriptTool::Clock:
        return clockBodyAttributes();
    case ScriptTool::Timer:
        return timerBodyAttributes();
    default:
        return {};
    }
}

std::string_view toolBodyTag(ScriptTool tool) {
    switch (tool) {
    case ScriptTool::Clock:
        return clockBodyTag();
    case ScriptTool::Timer:
        return timerBodyTag();
    default:
        return plainBodyTag();
    }
}

std::string toolHeadingAndForm(ScriptTool tool, std::string_view caption, TemplateVariant variant) {
    const auto form = toolForm(tool);
    if (form.empty()) {
        return {};
    }
    // The Timer is centered in the document as well; the others only on a page of their own.
    const bool centered = tool == ScriptTool::Timer || variant == TemplateVariant::Page;
    std::string markup = centered ? centeredHeading(caption) : plainHeading(caption);
    markup += "\r\n";
    markup += form;
    if (centered) {
        markup += "</center>";
    }
    return markup;
}

} // namespace vorrel
