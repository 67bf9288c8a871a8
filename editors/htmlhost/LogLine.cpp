// SPDX-License-Identifier: MIT
#include "editors/htmlhost/LogLine.h"

#include <cstdio>

namespace htmlhost {

namespace {

// The characters JSON writes as a backslash and a letter, and those letters.
constexpr std::string_view kShortEscaped = "\"\\\b\f\n\r\t";
constexpr std::string_view kShortEscapes = "\"\\bfnrt";

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (const std::size_t i = kShortEscaped.find(c); i != std::string_view::npos) {
            out += '\\';
            out += kShortEscapes[i];
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

std::string logLine(std::string_view method, const std::vector<std::string>& args) {
    std::string line = "{\"method\":";
    appendQuoted(line, method);
    line += ",\"args\":[";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i > 0)
            line += ',';
        appendQuoted(line, args[i]);
    }
    line += "]}";
    return line;
}

} // namespace htmlhost
