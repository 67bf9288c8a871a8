// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace files {

// A file the host cannot read or write; the text names the file and the reason, for the user.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Kind {
    Missing,
    Regular, // a regular file, or a symbolic link to one
    Other,   // a folder, a FIFO, a device, a socket, or a link to one of them or to nothing
};

Kind kindOf(const std::string& path);

// The whole content of the regular file `path`. A FIFO or a device is refused before it is
// opened: reading one may wait for ever.
std::string readWholeFile(const std::string& path);

// Replaces (or creates) `path` so that a reader sees either the old file or the whole new one:
// the bytes go to a new file in the same folder, which is then renamed over `path`. A symbolic
// link is written through to the file it names, and a replaced file keeps its permissions. A
// target that is not a regular file is refused: the rename would put a file in the place of a
// FIFO or a device (even /dev/null, for a host run as root). `verb` starts the message of a
// failure: "Cannot <verb> <path>: <reason>".
void writeWholeFile(const std::string& path, std::string_view bytes,
                    std::string_view verb = "write");

} // namespace files
