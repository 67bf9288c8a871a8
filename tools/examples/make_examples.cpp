// SPDX-License-Identifier: MIT
// Writes the example pages that Preview shows into the folder given:
//   make_examples FOLDER
// Each example is made by the wizard's own insertion, run on a document held here the way a host
// editor holds one, so that a preview shows exactly what the wizard inserts: the whole pages
// hold a tool inserted into the current page; the frame pages and test.htm use the pages the
// wizard writes for a tool shown in a window of its own (ex-*.htm).

#include "app/Platform.h"
#include "host/HostEditorLink.h"
#include "scripts/InsertionGenerator.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace vorrel;
namespace fs = std::filesystem;

constexpr const char* kWorkFolder = "/examples/";

// What one insertion delivers: the four texts for the document and the pages it wrote.
struct Delivered {
    std::string head, body, cursor, bodyTag;
    std::map<std::string, std::string> pages; // by file name
};

// A host editor with a document open in kWorkFolder, and a platform that keeps every page in
// memory. It copies no files: the examples' images are beside the pages already.
class ExampleHost : public HostEditorLink,
                    public HostObject,
                    public MessageBoxes,
                    public Clipboard,
                    public FolderPicker,
                    public AppWindows,
                    public FileOutput {
public:
    Delivered delivered;

    bool wexdorRunning() override { return true; }
    std::shared_ptr<HostObject> connect() override {
        return std::shared_ptr<HostObject>(this, [](HostObject*) {});
    }
    std::string call(const std::string& method, const std::vector<std::string>& args) override {
        if (method == "isopendoc")
            return "true";
        if (method == "getworkdir")
            return kWorkFolder;
        std::string* text = method == "puttexthead"       ? &delivered.head
                            : method == "puttextbody"     ? &delivered.body
                            : method == "puttextatcursor" ? &delivered.cursor
                            : method == "puttextinbody"   ? &delivered.bodyTag
                                                          : nullptr;
        if (text)
            *text += args.at(0);
        return {};
    }

    void showPlain(const std::string& text) override { refuse(text); }
    void showInformation(const std::string&) override {}
    void showError(const std::string& text) override { refuse(text); }
    void setText(const std::string&) override {}
    bool askYesNo(const std::string& text) override {
        refuse(text);
        return false;
    }
    std::optional<std::string> pickFolder(const std::string& start, const std::string&) override {
        return start;
    }
    PathKind kindOf(const std::string&) override { return PathKind::None; }
    void minimize() override {}
    void restore() override {}
    std::unique_ptr<OutputFile> create(const std::string& path) override {
        return std::make_unique<Page>(
            delivered.pages[path.substr(std::string(kWorkFolder).size())]);
    }

private:
    class Page : public OutputFile {
    public:
        explicit Page(std::string& bytes) : bytes_(bytes) {}
        void write(std::string_view bytes) override { bytes_ += bytes; }
        void commit() override {}

    private:
        std::string& bytes_;
    };

    // The insertion only tells the user something here when it did not happen.
    static void refuse(const std::string& text) {
        if (text != kInsertionComplete)
            throw std::runtime_error("the insertion said: " + text);
    }
};

Delivered insert(const WizardState& state) {
    ExampleHost host;
    InsertionGenerator generator({host, host, host, host, host, host, "/"});
    InsertionPlan plan;
    generator.generateInsertion(state, false, plan);
    return host.delivered;
}

// The document after the host placed the texts: the head script before </HEAD>, the attributes
// in the body tag, the cursor text after the introduction, the body text before </BODY>.
std::string document(const std::string& title, const std::string& introduction,
                     const Delivered& delivered) {
    return "<HTML>\r\n<HEAD>\r\n<TITLE>" + title + "</TITLE>\r\n" + delivered.head +
           "</HEAD>\r\n<BODY" + delivered.bodyTag + ">\r\n<H1>" + title + "</H1>\r\n<P>" +
           introduction + "</P>\r\n" + delivered.cursor + "\r\n" + delivered.body +
           "</BODY>\r\n</HTML>\r\n";
}

fs::path folder;

void write(const std::string& name, const std::string& bytes) {
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + (folder / name).string());
}

struct Example {
    ScriptTool tool;
    std::string wholePage; // empty: the tool has a window of its own only
    std::string framePage;
    std::string toolPage; // the tool's own page, in the frame and behind test.htm's button
    std::string what;     // a sentence on what the tool does
};

const std::vector<Example> kExamples = {
    {ScriptTool::Clock, "clock.htm", "fmclock.htm", "ex-clock.htm",
     "The Clock shows the time of day and moves on every second."},
    {ScriptTool::Timer, "timer.htm", "fmtimer.htm", "ex-timer.htm",
     "The Timer counts the hours, minutes and seconds from Start until Stop; Reset sets it back "
     "to zero."},
    {ScriptTool::SearchPad, "srch.htm", "fmsrch.htm", "ex-srch.htm",
     "The Search Pad sends the words typed to the search engine chosen, in a window of its own."},
    {ScriptTool::AnimatedButtons, "anbt.htm", "fmanbt.htm", "ex-anbt.htm",
     "Animated Buttons are links whose picture changes while the mouse is over them; these lead "
     "to the other examples."},
    {ScriptTool::IspCostCalculator, "time2.htm", "fmcost.htm", "ex-cost.htm",
     "The ISP Cost Calculator works out what time on line costs at a rate per hour."},
    {ScriptTool::PopupWindow, "", "fmpopup.htm", "ex-popup.htm",
     "The Popup Window opens a window of its own that shows a piece of HTML."},
    {ScriptTool::JumpList, "jlist.htm", "fmjlist.htm", "ex-jlist.htm",
     "The Jump List goes to the place chosen in the list when the picture beside it is "
     "clicked."},
};

WizardState stateFor(const Example& example, DisplayMethod method) {
    WizardState state;
    state.tool = example.tool;
    state.caption = std::string(toolName(example.tool));
    state.buttonCaption = state.caption;
    state.pageFileName = example.toolPage;
    state.displayMethod = method;
    state.resizableWindow = state.showScrollbars = true;
    state.windowWidth = "480";
    state.windowHeight = "360";
    state.buttons = {{"clock.gif", "clock_on.gif", "The Clock example", "clock.htm"},
                     {"timer.gif", "timer_on.gif", "The Timer example", "timer.htm"},
                     {"search.gif", "search_on.gif", "The Search Pad example", "srch.htm"}};
    state.imageWidth = "100";
    state.imageHeight = "24";
    state.jumpImage = "go.gif";
    state.jumpImageText = "Go";
    state.jumpTargets = {{"The Clock example", "clock.htm"},
                         {"The Timer example", "timer.htm"},
                         {"The Search Pad example", "srch.htm"}};
    state.popupHtmlLines = {"<H2>Hello!</H2>",
                            "<P>This window was opened by the Popup Window tool. Its text is "
                            "HTML of your own, typed into the wizard.</P>",
                            "<P><A HREF=\"javascript:window.close()\">Close this window</A></P>"};
    return state;
}

void writeExamples() {
    std::string allButtons;
    for (const Example& example : kExamples) {
        const std::string name(toolName(example.tool));
        if (!example.wholePage.empty()) {
            const Delivered inPage = insert(stateFor(example, DisplayMethod::InCurrentPage));
            write(example.wholePage, document(name + ", a Vorrel example", example.what, inPage));
        }
        const Delivered own = insert(stateFor(example, DisplayMethod::ButtonOpensWindow));
        write(example.toolPage, own.pages.at(example.toolPage));
        allButtons += own.cursor + "\r\n";

        Delivered frame;
        frame.cursor = example.tool == ScriptTool::PopupWindow
                           ? own.cursor
                           : "<IFRAME SRC=\"" + example.toolPage +
                                 "\" WIDTH=\"480\" HEIGHT=\"320\" NAME=\"example\"></IFRAME>";
        const std::string where = example.tool == ScriptTool::PopupWindow
                                      ? " Press the button to open it."
                                      : " Here it runs in a page of its own, inside a frame.";
        write(example.framePage,
              document(name + ", a Vorrel example", example.what + where, frame));
    }
    Delivered buttons;
    buttons.cursor = allButtons;
    write("test.htm",
          document("Every Vorrel tool",
                   "Each button opens one of the seven tools in a window of its own.", buttons));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_examples FOLDER\n");
        return 2;
    }
    try {
        folder = argv[1];
        fs::create_directories(folder);
        writeExamples();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_examples: %s\n", error.what());
        return 1;
    }
    return 0;
}
