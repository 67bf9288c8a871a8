// SPDX-License-Identifier: MIT
#include "scripts/TextRules.h"

#include <algorithm>

namespace vorrel {

std::string_view baseFileNameView(std::string_view path) {
    const auto separator = path.rfind('/');
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string baseFileName(std::string_view path) {
    return std::string(baseFileNameView(path));
}

std::string windowName(std::string_view caption) {
    const auto isControlOrBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    const auto first = std::find_if_not(caption.begin(), caption.end(), isControlOrBlank);
    const auto last = std::find_if_not(caption.rbegin(), caption.rend(), isControlOrBlank).base();
    std::string name = first < last ? std::string(first, last) : std::string();
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

std::string withCrLf(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const auto part : parts) {
        for (std::size_t i = 0; i < part.size(); ++i) {
            if (part[i] == '\n') {
                text += kLineEnd;
            } else if (part[i] != '\r' || i + 1 == part.size() || part[i + 1] != '\n') {
                text += part[i];
            }
        }
    }
    return text;
}

std::string_view yesNo(bool on) {
    return on ? "yes" : "no";
}

} // namespace vorrel
