// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace vorrel {

// A failure the user is shown in the error box: the handler that ran into it stops there and the
// window stays as it was.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failing call on the host editor, or no host object to call; carries the host's own message.
class HostError : public Error {
public:
    using Error::Error;
};

// A page file that could not be written.
class FileError : public Error {
public:
    using Error::Error;
};

// Thrown out of a dialog when the program is ending while the dialog was open, so that the handler
// that opened it does nothing more. Not an error: nothing is shown.
class Terminated {};

// Thrown when the user stops a step in one of its dialogs (a cancelled folder picker, No to a
// question): the handler stops there, nothing is shown and the window stays as it was.
class Declined {};

} // namespace vorrel
