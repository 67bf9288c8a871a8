// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardState.h"

#include <string>

namespace vorrel {

class AppWindows;
class FileOutput;
class FolderPicker;
class HostObject;
class MessageBoxes;

struct PageWriterServices {
    FolderPicker& folderPicker;
    AppWindows& windows;
    FileOutput& files;
    MessageBoxes& messages;
    // Where the folder picker starts: a folder the user can write.
    std::string pickerFolder;
};

inline constexpr const char* kSaveLocationTitle = "Select save file location";

// Writes the separate page of the state's tool. With a host (`host` not null) the page goes into
// the folder of the host's document and the host copies the images; without one the user picks
// the folder and the page lists the images to upload. A file already at the page's path is
// replaced only after the user says Yes, and what is there but is no regular file never is.
// Throws HostError or FileError, or Declined when the user cancels the picker or answers No
// (nothing is written then, and the host is called no more); a page that cannot be written
// completely leaves any file at its path untouched.
void WriteSeparatePage(const WizardState& state, HostObject* host, PageWriterServices services);

// The question asked before a file at `path` is replaced.
std::string replaceQuestion(const std::string& path);

// The folder and the file name joined by exactly one "/" (none added after a folder that ends
// with one).
std::string joinFolderAndName(const std::string& folder, const std::string& name);

} // namespace vorrel
