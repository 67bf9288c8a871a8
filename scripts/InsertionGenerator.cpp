// SPDX-License-Identifier: MIT
#include "scripts/InsertionGenerator.h"

#include "app/Errors.h"
#include "app/Platform.h"
#include "host/HostEditorLink.h"
#include "scripts/AnimatedButtonTemplates.h"
#include "scripts/FilesToCopy.h"
#include "scripts/JumpListTemplates.h"
#include "scripts/LauncherTemplates.h"
#include "scripts/SeparatePageWriter.h"
#include "scripts/SimpleToolPieces.h"
#include "scripts/ToolTemplates.h"

namespace vorrel {

namespace {
constexpr TemplateVariant kInsertion = TemplateVariant::Insertion;

void appendSection(std::string& text, const char* comment, const std::string& section) {
    if (section.empty())
        return;
    text += "\r\n";
    text += comment;
    text += "\r\n";
    text += section;
    text += "\r\n";
}
} // namespace

InsertionGenerator::InsertionGenerator(InsertionServices services)
    : services_(std::move(services)) {}

InsertionGenerator::~InsertionGenerator() = default;

void InsertionGenerator::generateInsertion(const WizardState& state, bool noHost,
                                           InsertionPlan& plan) {
    plan.uploadList.clear();
    if (!noHost) {
        connect();
        if (host().call("isopendoc") == "false") {
            services_.messages.showPlain(kNoDocumentOpen);
            return;
        }
    }
    switch (state.displayMethod) {
    case DisplayMethod::InCurrentPage:
        planInCurrentPage(state, noHost, plan);
        break;
    case DisplayMethod::ButtonOpensWindow:
        writePage(state, noHost);
        plan.cursorText = launcherButton(state);
        break;
    case DisplayMethod::AutoOpenWindow:
        writePage(state, noHost);
        plan.bodyText = autoOpenScript(state);
        break;
    }
    if (noHost)
        deliverToClipboard(plan);
    else
        deliverToHost(plan);
}

// A fresh object for every insertion; when the host cannot be reached, the object of an earlier
// insertion is used, if there is one.
void InsertionGenerator::connect() {
    try {
        host_ = services_.hostLink.connect();
    } catch (const HostError&) {
        services_.messages.showPlain(kCouldNotConnect);
    }
}

HostObject& InsertionGenerator::host() {
    if (!host_)
        throw HostError("There is no connection to Wexdor 4: its automation object could not "
                        "be created.");
    return *host_;
}

// The tool lives on a page of its own; the document only gets what opens it.
void InsertionGenerator::writePage(const WizardState& state, bool noHost) {
    WriteSeparatePage(state, noHost ? nullptr : &host(),
                      {services_.folderPicker, services_.windows, services_.files,
                       services_.messages, services_.pickerFolder});
}

void InsertionGenerator::planInCurrentPage(const WizardState& state, bool noHost,
                                           InsertionPlan& plan) {
    switch (state.tool) {
    case ScriptTool::AnimatedButtons:
        // Built in place: with long lists these texts run to megabytes.
        appendAnimatedButtonsHead(plan.headText, state.buttons, state.imageWidth, state.imageHeight,
                                  state.suggestBrowserChange, kInsertion);
        copyStep(buttonImageFiles(state.buttons), noHost, plan, "");
        plan.cursorText += plainHeading(state.caption);
        plan.cursorText += "\r\n";
        appendButtonLinks(plan.cursorText, state.buttons, state.imageWidth, state.imageHeight);
        break;
    case ScriptTool::JumpList:
        plan.headText = jumpListHead(state.jumpTargets);
        copyStep(jumpImageFiles(state.jumpImage), noHost, plan, "\r\n");
        plan.cursorText = jumpSelector(state.caption, state.jumpTargets, state.jumpImage,
                                       state.jumpImageText, kInsertion);
        break;
    case ScriptTool::PopupWindow:
    case ScriptTool::None:
        // The Options page never leaves the Popup Window in the current page.
        break;
    default:
        plan.headText = toolScriptBlock(state.tool);
        plan.bodyTagText = toolBodyAttributes(state.tool);
        plan.cursorText = toolHeadingAndForm(state.tool, state.caption, kInsertion);
        break;
    }
}

// Hands the images to the host, or notes them for the clipboard's upload comment.
void InsertionGenerator::copyStep(const std::string& files, bool noHost, InsertionPlan& plan,
                                  const std::string& uploadSeparator) {
    plan.filesToCopy = files;
    MinimizedScope minimized(services_.windows);
    if (!noHost) {
        host().call("copyfiles", {files});
    } else {
        plan.uploadList += uploadSeparator;
        plan.uploadList += files;
    }
}

void InsertionGenerator::deliverToHost(const InsertionPlan& plan) {
    const std::pair<const char*, const std::string*> calls[] = {
        {"puttextatcursor", &plan.cursorText},
        {"puttextbody", &plan.bodyText},
        {"puttextinbody", &plan.bodyTagText},
        {"puttexthead", &plan.headText},
    };
    for (const auto& [method, text] : calls)
        if (!text->empty())
            host().call(method, {*text});
    services_.messages.showPlain(kInsertionComplete);
}

void InsertionGenerator::deliverToClipboard(const InsertionPlan& plan) {
    services_.clipboard.setText(clipboardText(plan));
    services_.messages.showInformation(kCopiedToClipboard);
}

std::string clipboardText(const InsertionPlan& plan) {
    std::string text;
    text.reserve(plan.uploadList.size() + plan.headText.size() + plan.bodyText.size() +
                 plan.cursorText.size() + plan.bodyTagText.size() + 512);
    if (!plan.uploadList.empty()) {
        text += "<!-- The following files need to be uploaded to the same directory as the "
                "target HTML file:\r\n";
        text += plan.uploadList;
        text += "\r\n-->";
    }
    appendSection(text, "<!-- Copy this HTML into the <HEAD> section of your HTML file -->",
                  plan.headText);
    appendSection(text, "<!-- Copy this HTML into the <BODY> section of your HTML file -->",
                  plan.bodyText);
    appendSection(text, "<!-- Copy this HTML into the <BODY> section of your HTML file -->",
                  plan.cursorText);
    appendSection(text, "<!-- Copy this HTML into the <BODY> tag in your HTML file -->",
                  plan.bodyTagText);
    return text;
}

} // namespace vorrel
