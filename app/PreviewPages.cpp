// SPDX-License-Identifier: MIT
#include "app/PreviewPages.h"

#include <array>

namespace vorrel {

namespace {
struct ExamplePages {
    std::string_view wholePage;
    std::string_view separateFrame;
};

// In the tools' list order. Popup Window has one page for both: a popup is always a window of
// its own.
constexpr std::array<ExamplePages, 7> kExamplePages = {{
    {"clock.htm", "fmclock.htm"},
    {"timer.htm", "fmtimer.htm"},
    {"srch.htm", "fmsrch.htm"},
    {"anbt.htm", "fmanbt.htm"},
    {"time2.htm", "fmcost.htm"},
    {"fmpopup.htm", "fmpopup.htm"},
    {"jlist.htm", "fmjlist.htm"},
}};
} // namespace

std::string_view previewPageName(ScriptTool tool, PreviewMode mode) {
    if (mode == PreviewMode::AllAsButtons)
        return "test.htm";
    const int index = static_cast<int>(tool);
    if (index < 0 || index >= int(kExamplePages.size()))
        return {};
    const ExamplePages& pages = kExamplePages[std::size_t(index)];
    return mode == PreviewMode::WholePage ? pages.wholePage : pages.separateFrame;
}

} // namespace vorrel
