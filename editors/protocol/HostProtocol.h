// SPDX-License-Identifier: MIT
#pragma once

// The names of the host link, the one protocol between the wizard and its host editor. The
// methods, their arguments and what each answers are in Wexdor4.Plugin.xml beside this file,
// from which the Qt hosts' adaptors are generated. Standard C++, so that the wizard's core, its
// Qt client, the hosts (Qt 5 or 6) and the tests all take the names from here.

namespace wexdor4 {

// The well-known bus name a host owns on the session bus.
inline constexpr const char* kBusName = "Wexdor4.Plugin";
// The host's automation object and its one interface.
inline constexpr const char* kObjectPath = "/Wexdor4/Plugin";
inline constexpr const char* kInterface = "Wexdor4.Plugin";
// The error a failed call answers with; its message is the text the wizard's user reads.
inline constexpr const char* kErrorName = "Wexdor4.Plugin.Error";

// The call that tells a host from any other connection: a host answers a number above 0.
inline constexpr const char* kRunningMethod = "WM_ISWEXDORRUNNING";
// getworkdir's answer when no document is open ("" is the answer for an untitled one).
inline constexpr const char* kNoDocumentFolder = "1error";

} // namespace wexdor4
