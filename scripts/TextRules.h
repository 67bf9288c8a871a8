// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vorrel {

// Every emitted line ends in CR LF, whatever the platform writes natively.
inline constexpr std::string_view kLineEnd = "\r\n";

// The part of a path after its last "/"; the whole text when it has none. ":" and "\" are
// ordinary characters of a file name here. Emitted markup names images this way because they
// end up next to the page.
std::string baseFileName(std::string_view path);

// The same part as a view into `path`, for builders that append it straight away.
std::string_view baseFileNameView(std::string_view path);

// The second argument of the emitted window.open calls: the caption without bytes of value 32
// and below at either end, and every inner blank turned into "_". Multibyte UTF-8 bytes are all
// above 127, so non-ASCII letters survive untouched.
std::string windowName(std::string_view caption);

// The parts run together, with every line end made CR LF. Lets the fixed blocks be written in
// the source as readable raw literals, whatever line ends the source file itself has.
std::string withCrLf(std::initializer_list<std::string_view> parts);

// How a window switch is written in a window.open feature list.
std::string_view yesNo(bool on);

} // namespace vorrel
