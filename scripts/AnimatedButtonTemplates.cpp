// SPDX-License-Identifier: MIT
#include "scripts/AnimatedButtonTemplates.h"

#include "scripts/TextRules.h"

#include <charconv>

namespace vorrel {

namespace {

void appendNumber(std::string& out, std::size_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end);
}

void appendHandleDeclaration(std::string& out, std::size_t index) {
    out += "var p";
    appendNumber(out, index);
    out += "=null;\r\n";
}

void appendAddressTableOpening(std::string& out, std::size_t count) {
    out += "var addr = new Array(";
    appendNumber(out, count);
    out += ");\r\n";
}

void appendAddressEntry(std::string& out, std::size_t index, std::string_view urlTarget) {
    out += "addr[";
    appendNumber(out, index);
    out += "]=\"";
    out += urlTarget;
    out += "\";\r\n";
}

void appendPreloadOpening(std::string& out, std::size_t count, TemplateVariant variant) {
    out += "menuimg = new Array(";
    appendNumber(out, 2 * count);
    out += ");\r\n";
    out += preloadCondition(variant);
    out += "\r\n{\r\n";
}

void appendPreloadEntry(std::string& out, std::size_t imageIndex, std::string_view imagePath,
                        std::string_view imageWidth, std::string_view imageHeight) {
    out += "menuimg[";
    appendNumber(out, imageIndex);
    out += "]= new Image (";
    out += imageWidth;
    out += ",";
    out += imageHeight;
    out += ");\r\nmenuimg[";
    appendNumber(out, imageIndex);
    out += "].src=\"";
    out += baseFileNameView(imagePath);
    out += "\";\r\n";
}

// Walks the head script up to the last preload entry. `next` hands out the text that the next
// piece is appended to: the same text throughout for one script, a fresh one for a list of
// pieces.
template <typename NextPiece>
void appendHeadOpening(NextPiece next, const std::vector<AnimatedButton>& buttons,
                       std::string_view imageWidth, std::string_view imageHeight,
                       bool suggestBrowserChange, TemplateVariant variant) {
    const std::size_t count = buttons.size();
    next() += animatedButtonsScriptStart();
    if (suggestBrowserChange) {
        next() += browserWarning(variant);
    }
    for (std::size_t i = 1; i <= count; ++i) {
        appendHandleDeclaration(next(), i);
    }
    next() += menuFunctionsBlock();
    appendAddressTableOpening(next(), count);
    for (std::size_t i = 1; i <= count; ++i) {
        appendAddressEntry(next(), i, buttons[i - 1].urlTarget);
    }
    appendPreloadOpening(next(), count, variant);
    for (std::size_t i = 1; i <= count; ++i) {
        const auto& button = buttons[i - 1];
        appendPreloadEntry(next(), i, button.defaultImage, imageWidth, imageHeight);
        appendPreloadEntry(next(), i + count, button.mouseOverImage, imageWidth, imageHeight);
    }
}

void appendButtonLink(std::string& out, std::size_t index, std::size_t count,
                      const AnimatedButton& button, std::string_view imageWidth,
                      std::string_view imageHeight) {
    out += "<a href=\"javascript:gonow(";
    appendNumber(out, index);
    out += ")\" onMouseOver=\"on_img(p";
    appendNumber(out, index);
    out += ",";
    appendNumber(out, index + count);
    out += ");self.status='";
    out += button.imageText;
    // No blank before onMouseOut: browsers accept the attributes run together.
    out += "';return true\"onMouseOut= \"on_img(p";
    appendNumber(out, index);
    out += ",";
    appendNumber(out, index);
    out += ");self.status='";
    out += button.imageText;
    out += "';return true\">\r\n<img src=\"";
    out += baseFileNameView(button.defaultImage);
    out += "\" name=\"p";
    appendNumber(out, index);
    out += "\" alt=\"";
    out += button.imageText;
    out += "\" border=0 width=\"";
    out += imageWidth;
    out += "\" height=\"";
    out += imageHeight;
    out += "\"></a><br>\r\n";
}

std::size_t digitCount(std::size_t number) {
    std::size_t digits = 1;
    while (number >= 10) {
        number /= 10;
        ++digits;
    }
    return digits;
}

// Room for the whole head script, a little more than it takes (whole paths stand in for their
// base names): long lists are built in one piece of memory without growing it again and again,
// and without much slack.
std::size_t headSizeBound(const std::vector<AnimatedButton>& buttons, std::string_view imageWidth,
                          std::string_view imageHeight) {
    const std::size_t digits = digitCount(2 * buttons.size());
    std::size_t size = 2048 + digits;
    for (const auto& button : buttons) {
        size += 117 + 6 * digits + 2 * (imageWidth.size() + imageHeight.size()) +
                button.urlTarget.size() + button.defaultImage.size() + button.mouseOverImage.size();
    }
    return size;
}

std::size_t linksSizeBound(const std::vector<AnimatedButton>& buttons, std::string_view imageWidth,
                           std::string_view imageHeight) {
    const std::size_t digits = digitCount(2 * buttons.size());
    std::size_t size = 0;
    for (const auto& button : buttons) {
        size += 201 + 6 * digits + imageWidth.size() + imageHeight.size() +
                3 * button.imageText.size() + button.defaultImage.size();
    }
    return size;
}

constexpr std::string_view kAlertStatement =
    R"js(window.alert("This page would look cooler with Netscape 3.0+ \n ( The buttons would be animated for starters!)");)js";

} // namespace

std::string_view animatedButtonsScriptStart() {
    return "<SCRIPT language=\"JavaScript\">\r\n<!--\r\nvar bn=navigator.appName;\r\nvar "
           "vn=navigator.appVersion;\r\n";
}

std::string_view browserWarning(TemplateVariant variant) {
    // A document warns the one browser that cannot animate at all; a separate page warns the
    // next version up instead, which its preload condition leaves out as well.
    static const std::string insertion =
        withCrLf({"\nif ((bn==\"Microsoft Internet Explorer\") && (vn.substring(0,3)==\"2.0\"))\n",
                  kAlertStatement, "\n\n"});
    static const std::string page =
        withCrLf({"\nif ((bn==\"Microsoft Internet Explorer\") && (vn.substring(0,3)==\"3.0\"))\n",
                  kAlertStatement, "\n\n"});
    return variant == TemplateVariant::Insertion ? insertion : page;
}

std::string buttonHandleDeclaration(std::size_t index) {
    std::string text;
    appendHandleDeclaration(text, index);
    return text;
}

std::string_view menuFunctionsBlock() {
    static const std::string text = withCrLf({R"js(// Animated menu stuff
function off_img(loc,img){};
function on_img(loc,img){};

function gonow(p)
{
  location = addr[p];
};

)js"});
    return text;
}

std::string addressTableOpening(std::size_t count) {
    std::string text;
    appendAddressTableOpening(text, count);
    return text;
}

std::string addressEntry(std::size_t index, std::string_view urlTarget) {
    std::string text;
    appendAddressEntry(text, index, urlTarget);
    return text;
}

std::string_view preloadCondition(TemplateVariant variant) {
    return variant == TemplateVariant::Insertion
               ? R"js(if ((bn!="Microsoft Internet Explorer") || (vn.substring(0,3)!="2.0")))js"
               : R"js(if (((bn!="Microsoft Internet Explorer") || (vn.substring(0,3)!="3.0")) && (vn.substring(0,3)!="2.0")))js";
}

std::string preloadOpening(std::size_t count, TemplateVariant variant) {
    std::string text;
    appendPreloadOpening(text, count, variant);
    return text;
}

std::string preloadEntry(std::size_t imageIndex, std::string_view imagePath,
                         std::string_view imageWidth, std::string_view imageHeight) {
    std::string text;
    appendPreloadEntry(text, imageIndex, imagePath, imageWidth, imageHeight);
    return text;
}

std::string_view preloadClosing(TemplateVariant variant) {
    // A page writes each piece on a line of its own, which gives it the empty line a document
    // gets from the piece itself.
    return variant == TemplateVariant::Insertion ? "}\r\n\r\n" : "}\r\n";
}

std::string_view onImgBlock() {
    // Declared after the stub of the same name, so this one is in force.
    static const std::string text = withCrLf({R"js(function on_img(loc,img)
{
  if ((bn!="Microsoft Internet Explorer") || (vn.substring(0,3)!="2.0"))
    loc.src = menuimg[img].src;
}

// -->
</SCRIPT>
)js"});
    return text;
}

std::vector<std::string>
animatedButtonsHeadOpeningPieces(const std::vector<AnimatedButton>& buttons,
                                 std::string_view imageWidth, std::string_view imageHeight,
                                 bool suggestBrowserChange, TemplateVariant variant) {
    std::vector<std::string> pieces;
    pieces.reserve(6 + 4 * buttons.size());
    appendHeadOpening([&]() -> std::string& { return pieces.emplace_back(); }, buttons, imageWidth,
                      imageHeight, suggestBrowserChange, variant);
    return pieces;
}

void appendAnimatedButtonsHead(std::string& text, const std::vector<AnimatedButton>& buttons,
                               std::string_view imageWidth, std::string_view imageHeight,
                               bool suggestBrowserChange, TemplateVariant variant) {
    text.reserve(text.size() + headSizeBound(buttons, imageWidth, imageHeight));
    appendHeadOpening([&]() -> std::string& { return text; }, buttons, imageWidth, imageHeight,
                      suggestBrowserChange, variant);
    text += preloadClosing(variant);
    text += onImgBlock();
}

std::string animatedButtonsHead(const std::vector<AnimatedButton>& buttons,
                                std::string_view imageWidth, std::string_view imageHeight,
                                bool suggestBrowserChange, TemplateVariant variant) {
    std::string text;
    appendAnimatedButtonsHead(text, buttons, imageWidth, imageHeight, suggestBrowserChange,
                              variant);
    return text;
}

std::string buttonLink(std::size_t index, std::size_t count, const AnimatedButton& button,
                       std::string_view imageWidth, std::string_view imageHeight) {
    std::string text;
    appendButtonLink(text, index, count, button, imageWidth, imageHeight);
    return text;
}

void appendButtonLinks(std::string& text, const std::vector<AnimatedButton>& buttons,
                       std::string_view imageWidth, std::string_view imageHeight) {
    text.reserve(text.size() + linksSizeBound(buttons, imageWidth, imageHeight));
    for (std::size_t i = 1; i <= buttons.size(); ++i) {
        appendButtonLink(text, i, buttons.size(), buttons[i - 1], imageWidth, imageHeight);
    }
}

std::string buttonLinks(const std::vector<AnimatedButton>& buttons, std::string_view imageWidth,
                        std::string_view imageHeight) {
    std::string text;
    appendButtonLinks(text, buttons, imageWidth, imageHeight);
    return text;
}

} // namespace vorrel
