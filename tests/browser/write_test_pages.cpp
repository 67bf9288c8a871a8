// SPDX-License-Identifier: MIT
// Writes the pages that the browser tests load, built from the same text builders the wizard
// uses: each tool once as a document that received the insertion texts, and once as a separate
// page. Usage: write_test_pages FOLDER

#include "scripts/AnimatedButtonTemplates.h"
#include "scripts/JumpListTemplates.h"
#include "scripts/LauncherTemplates.h"
#include "scripts/SeparatePageText.h"
#include "scripts/SimpleToolPieces.h"
#include "scripts/ToolTemplates.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace vorrel;
namespace fs = std::filesystem;

fs::path folder;

void writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
        throw std::runtime_error("cannot write " + (folder / name).string());
    }
}

// A 1x1 GIF whose one pixel has the given colour, so every image is a real, distinct file.
void writeGif(const std::string& name, unsigned char red, unsigned char green, unsigned char blue) {
    const unsigned char gif[] = {'G', 'I', 'F',   '8',  '9', 'a', 1, 0,    1, 0, 0x80, 0,
                                 0,   red, green, blue, 0,   0,   0, 0x2c, 0, 0, 0,    0,
                                 1,   0,   1,     0,    0,   2,   2, 0x44, 1, 0, 0x3b};
    writeFile(name, std::string(reinterpret_cast<const char*>(gif), sizeof gif));
}

// A document after the host placed the insertion texts: the head script before </HEAD>, the
// attributes inside the body tag, the cursor text and the body text in the body.
void writeDocument(const std::string& name, const std::string& head, std::string_view bodyTagText,
                   const std::string& cursorText, const std::string& bodyText = {}) {
    writeFile(name, "<HTML>\r\n<HEAD>\r\n<TITLE>" + name + "</TITLE>\r\n" + head +
                        "\r\n</HEAD>\r\n<BODY" + std::string(bodyTagText) + ">\r\n" + cursorText +
                        "\r\n" + bodyText + "\r\n</BODY>\r\n</HTML>\r\n");
}

// The tool's separate page exactly as the page writer makes it, written without a host so that
// the notes of files to upload stand in the page too.
void writePage(const std::string& name, const WizardState& state) {
    writeFile(name, separatePageText(state, true, [](const std::string&) {}));
}

WizardState stateFor(ScriptTool tool, const std::string& caption) {
    WizardState state;
    state.tool = tool;
    state.caption = caption;
    return state;
}

void writeSimpleTool(const std::string& stem, ScriptTool tool, const std::string& caption) {
    const std::string script(toolScriptBlock(tool));
    writeDocument(stem + "-insertion.html", script, toolBodyAttributes(tool),
                  toolHeadingAndForm(tool, caption, TemplateVariant::Insertion));
    writePage(stem + "-page.html", stateFor(tool, caption));
}

void writeAnimatedButtons(const std::string& stem, bool suggestBrowserChange) {
    const std::vector<AnimatedButton> buttons = {
        {"/images/n1.gif", "/images/o1.gif", "First", "dest1.html"},
        {"/home/ann/pics/n2.gif", "/home/ann/pics/o2.gif", "Second", "dest2.html"},
        {"n3.gif", "o3.gif", "Third", "dest3.html"},
    };
    const std::string caption = "Buttons";
    writeDocument(stem + "-insertion.html",
                  animatedButtonsHead(buttons, "20", "20", suggestBrowserChange), "",
                  plainHeading(caption) + "\r\n" + buttonLinks(buttons, "20", "20"));

    WizardState state = stateFor(ScriptTool::AnimatedButtons, caption);
    state.buttons = buttons;
    state.suggestBrowserChange = suggestBrowserChange;
    writePage(stem + "-page.html", state);
}

void writeJumpList() {
    const std::vector<JumpTarget> targets = {
        {"First", "dest1.html"}, {"Second", "dest2.html"}, {"Third", "dest3.html"}};
    const std::string caption = "Jump";
    const std::string image = "/images/go.gif";
    writeDocument("jump-insertion.html", jumpListHead(targets), "",
                  jumpSelector(caption, targets, image, "Go", TemplateVariant::Insertion));

    WizardState state = stateFor(ScriptTool::JumpList, caption);
    state.jumpTargets = targets;
    state.jumpImage = image;
    state.jumpImageText = "Go";
    writePage("jump-page.html", state);
}

void writeLaunchers() {
    WizardState state;
    state.caption = "  My Popup Window ";
    state.pageFileName = "Pop.htm";
    state.buttonCaption = "Open it";
    state.showToolbar = true;
    state.resizableWindow = true;
    state.copyHistory = true;
    state.windowWidth = "400";
    state.windowHeight = "250";
    writeDocument("launcher-button.html", "", "", launcherButton(state));
    writeDocument("launcher-auto.html", "", "", "", autoOpenScript(state));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_test_pages FOLDER\n");
        return 2;
    }
    try {
        folder = argv[1];
        fs::create_directories(folder);
        writeGif("n1.gif", 200, 0, 0);
        writeGif("o1.gif", 0, 200, 0);
        writeGif("n2.gif", 0, 0, 200);
        writeGif("o2.gif", 200, 200, 0);
        writeGif("n3.gif", 0, 200, 200);
        writeGif("o3.gif", 200, 0, 200);
        writeGif("go.gif", 90, 90, 90);
        for (int i = 1; i <= 3; ++i) {
            const auto name = "dest" + std::to_string(i) + ".html";
            writeFile(name, "<HTML><BODY>" + name + "</BODY></HTML>\r\n");
        }
        writeSimpleTool("clock", ScriptTool::Clock, "Clock");
        writeSimpleTool("timer", ScriptTool::Timer, "Timer");
        writeSimpleTool("search", ScriptTool::SearchPad, "Search");
        writeSimpleTool("isp", ScriptTool::IspCostCalculator, "Cost");
        writeAnimatedButtons("buttons", true);
        writeAnimatedButtons("buttons-quiet", false);
        writeJumpList();
        writeLaunchers();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "write_test_pages: %s\n", error.what());
        return 1;
    }
    return 0;
}
