// SPDX-License-Identifier: MIT
#include "scripts/JumpListTemplates.h"

#include "scripts/TextRules.h"
#include "scripts/ToolTemplates.h"

namespace vorrel {

std::string_view jumpListScriptStart() {
    static const std::string text = withCrLf({R"js(<SCRIPT language='JavaScript'>
<!--
function jump()
  {
  jval=document.joform.jsel.selectedIndex;

)js"});
    return text;
}

std::string jumpCase(std::size_t index, std::string_view urlTarget) {
    std::string text = "  if (jval==" + std::to_string(index) + ")\r\n    {\r\n    loc='";
    text += urlTarget;
    text += "';\r\n   }\r\n";
    return text;
}

std::string_view jumpListTail() {
    return "  window.open(loc,'_top')\r\n  }\r\n// End JavaScript -->\r\n\r\n</SCRIPT>";
}

std::string jumpListHead(const std::vector<JumpTarget>& targets) {
    std::string text(jumpListScriptStart());
    for (std::size_t k = 0; k < targets.size(); ++k) {
        text += jumpCase(k, targets[k].urlTarget);
    }
    text += jumpListTail();
    return text;
}

std::string_view jumpFormOpening(TemplateVariant variant) {
    return variant == TemplateVariant::Insertion ? "<form name=\"joform\" size=1>"
                                                 : "<form name=\"joform\">";
}

std::string_view jumpSelectOpening(TemplateVariant variant) {
    return variant == TemplateVariant::Insertion ? "<select name=\"jsel\">"
                                                 : "<select name=\"jsel\" size=1>";
}

std::string jumpSelectorOpening(std::string_view caption, TemplateVariant variant) {
    std::string text = plainHeading(caption);
    text += kLineEnd;
    text += jumpFormOpening(variant);
    text += kLineEnd;
    text += jumpSelectOpening(variant);
    return text;
}

std::string jumpOption(std::size_t index, std::string_view label) {
    // The first target is the one the select starts on.
    std::string text = index == 0 ? "<option selected  >" : "<option >";
    text += label;
    return text;
}

std::string jumpSelectorClosing(std::string_view jumpImage, std::string_view jumpImageText) {
    std::string text = "</select>\r\n<a href=\"javascript:jump()\"><IMG SRC=\"";
    text += baseFileName(jumpImage);
    text += "\" ALT=\"";
    text += jumpImageText;
    text += "\" border=\"0\"></a>\r\n</form>\r\n";
    return text;
}

std::string jumpSelector(std::string_view caption, const std::vector<JumpTarget>& targets,
                         std::string_view jumpImage, std::string_view jumpImageText,
                         TemplateVariant variant) {
    std::string text = jumpSelectorOpening(caption, variant);
    text += kLineEnd;
    for (std::size_t k = 0; k < targets.size(); ++k) {
        text += jumpOption(k, targets[k].label);
        text += kLineEnd;
    }
    text += jumpSelectorClosing(jumpImage, jumpImageText);
    return text;
}

} // namespace vorrel
