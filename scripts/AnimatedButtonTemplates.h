// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardState.h"
#include "scripts/TemplateVariant.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorrel {

// The Animated Buttons tool: a head script that preloads each button's two images and swaps them
// on mouse-over, and one link per button. Buttons are numbered from 1 to N; image handle i of the
// preload table is the normal image of button i and handle i + N its mouse-over image. Image
// sources use base file names, since the images are copied next to the document.

// The pieces of the head script, in the order they stand in it.
std::string_view animatedButtonsScriptStart();
std::string_view browserWarning(TemplateVariant variant);
std::string buttonHandleDeclaration(std::size_t index);
std::string_view menuFunctionsBlock();
std::string addressTableOpening(std::size_t count);
std::string addressEntry(std::size_t index, std::string_view urlTarget);
std::string_view preloadCondition(TemplateVariant variant);
std::string preloadOpening(std::size_t count, TemplateVariant variant);
std::string preloadEntry(std::size_t imageIndex, std::string_view imagePath,
                         std::string_view imageWidth, std::string_view imageHeight);
std::string_view preloadClosing(TemplateVariant variant);
std::string_view onImgBlock();

// The head script up to and including the last preload entry, one element per piece: the
// browser warning (only when asked for), each handle declaration, the address table opening and
// each address entry, the preload opening and two preload entries per button. The preload
// closing and the on_img block follow; a page writer puts its upload note in between.
std::vector<std::string>
animatedButtonsHeadOpeningPieces(const std::vector<AnimatedButton>& buttons,
                                 std::string_view imageWidth, std::string_view imageHeight,
                                 bool suggestBrowserChange, TemplateVariant variant);

// The whole head script as one text, as the insertion generator places it.
std::string animatedButtonsHead(const std::vector<AnimatedButton>& buttons,
                                std::string_view imageWidth, std::string_view imageHeight,
                                bool suggestBrowserChange,
                                TemplateVariant variant = TemplateVariant::Insertion);

// The same, appended to `text`: lets a caller build into a text it already holds.
void appendAnimatedButtonsHead(std::string& text, const std::vector<AnimatedButton>& buttons,
                               std::string_view imageWidth, std::string_view imageHeight,
                               bool suggestBrowserChange,
                               TemplateVariant variant = TemplateVariant::Insertion);

// The link of button `index` (from 1) out of `count`.
std::string buttonLink(std::size_t index, std::size_t count, const AnimatedButton& button,
                       std::string_view imageWidth, std::string_view imageHeight);

// Every button's link, in list order; or appended to `text`.
std::string buttonLinks(const std::vector<AnimatedButton>& buttons, std::string_view imageWidth,
                        std::string_view imageHeight);
void appendButtonLinks(std::string& text, const std::vector<AnimatedButton>& buttons,
                       std::string_view imageWidth, std::string_view imageHeight);

} // namespace vorrel
