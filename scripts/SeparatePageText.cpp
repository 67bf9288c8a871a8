// SPDX-License-Identifier: MIT
#include "scripts/SeparatePageText.h"

#include "scripts/AnimatedButtonTemplates.h"
#include "scripts/FilesToCopy.h"
#include "scripts/JumpListTemplates.h"
#include "scripts/SimpleToolPieces.h"
#include "scripts/TemplateVariant.h"
#include "scripts/TextRules.h"
#include "scripts/ToolTemplates.h"

namespace vorrel {

namespace {

constexpr TemplateVariant kPage = TemplateVariant::Page;

// The page as a sequence of pieces, each ending its own line.
class PageText {
public:
    void piece(std::string_view text) {
        text_ += text;
        text_ += kLineEnd;
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

// Hands the images over; without a host the page itself tells which files to upload.
void copyPoint(PageText& page, const std::string& files, bool noHost, const PageCopyStep& copy) {
    copy(files);
    if (noHost) {
        page.piece("// These files need to be uploaded");
        page.piece("// " + files);
    }
}

void simpleTool(PageText& page, const WizardState& state) {
    page.piece(toolScriptBlock(state.tool));
    page.piece(toolBodyTag(state.tool));
    page.piece(toolHeadingAndForm(state.tool, state.caption, kPage));
}

void popupWindow(PageText& page, const WizardState& state) {
    page.piece(plainBodyTag());
    for (const std::string& line : state.popupHtmlLines)
        page.piece(line);
}

void animatedButtons(PageText& page, const WizardState& state, bool noHost,
                     const PageCopyStep& copy) {
    for (const std::string& piece : animatedButtonsHeadOpeningPieces(
             state.buttons, state.imageWidth, state.imageHeight, state.suggestBrowserChange, kPage))
        page.piece(piece);
    // The upload note stands inside the preload block, so its lines are script comments there.
    copyPoint(page, buttonImageFiles(state.buttons), noHost, copy);
    page.piece(preloadClosing(kPage));
    page.piece(onImgBlock());
    page.piece(plainBodyTag());
    page.piece(plainHeading(state.caption));
    const std::size_t count = state.buttons.size();
    for (std::size_t i = 0; i < count; ++i)
        page.piece(buttonLink(i + 1, count, state.buttons[i], state.imageWidth, state.imageHeight));
}

void jumpList(PageText& page, const WizardState& state, bool noHost, const PageCopyStep& copy) {
    page.piece(jumpListScriptStart());
    for (std::size_t k = 0; k < state.jumpTargets.size(); ++k)
        page.piece(jumpCase(k, state.jumpTargets[k].urlTarget));
    page.piece(jumpListTail());
    page.piece(plainBodyTag());
    page.piece(jumpSelectorOpening(state.caption, kPage));
    for (std::size_t k = 0; k < state.jumpTargets.size(); ++k)
        page.piece(jumpOption(k, state.jumpTargets[k].label));
    page.piece(jumpSelectorClosing(state.jumpImage, state.jumpImageText));
    // Here the note stands after the form, as text of the page.
    copyPoint(page, jumpImageFiles(state.jumpImage), noHost, copy);
}

} // namespace

std::string separatePageText(const WizardState& state, bool noHost, const PageCopyStep& copyStep) {
    PageText page;
    page.piece("<HTML>\r\n<HEAD>\r\n<TITLE>");
    page.piece(state.caption);
    page.piece("</TITLE>");
    switch (state.tool) {
    case ScriptTool::AnimatedButtons:
        animatedButtons(page, state, noHost, copyStep);
        break;
    case ScriptTool::JumpList:
        jumpList(page, state, noHost, copyStep);
        break;
    case ScriptTool::PopupWindow:
        popupWindow(page, state);
        break;
    case ScriptTool::Clock:
    case ScriptTool::Timer:
    case ScriptTool::SearchPad:
    case ScriptTool::IspCostCalculator:
        simpleTool(page, state);
        break;
    case ScriptTool::None:
        break;
    }
    page.piece("</BODY>\r\n</HTML>");
    return page.take();
}

} // namespace vorrel
