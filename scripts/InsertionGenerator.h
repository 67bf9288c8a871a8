// SPDX-License-Identifier: MIT
#pragma once

#include "scripts/InsertionRunner.h"

#include <memory>
#include <string>

namespace vorrel {

class AppWindows;
class Clipboard;
class FileOutput;
class FolderPicker;
class HostEditorLink;
class HostObject;
class MessageBoxes;

struct InsertionServices {
    HostEditorLink& hostLink;
    MessageBoxes& messages;
    Clipboard& clipboard;
    FolderPicker& folderPicker;
    AppWindows& windows;
    FileOutput& files;
    // Where the folder picker starts: a folder the user can write.
    std::string pickerFolder;
};

inline constexpr const char* kCouldNotConnect =
    "Could not connect to Wexdor 4.\r\nStrange things will probably happen.";
inline constexpr const char* kNoDocumentOpen = "No document open in Wexdor";
inline constexpr const char* kInsertionComplete = "JavaScript insertion complete.";
inline constexpr const char* kCopiedToClipboard = "The HTML has been copied to the clipboard.";

// Ends a pass through the wizard: builds the tool's texts and delivers them into the host's
// document, or onto the clipboard when there is no host, writing the tool's own page first for
// the separate-window display methods. Holds the host's object from one insertion to the next.
class InsertionGenerator : public InsertionRunner {
public:
    explicit InsertionGenerator(InsertionServices services);
    ~InsertionGenerator() override;

    void generateInsertion(const WizardState& state, bool noHost, InsertionPlan& plan) override;

private:
    HostObject& host();
    void connect();
    void writePage(const WizardState& state, bool noHost);
    void planInCurrentPage(const WizardState& state, bool noHost, InsertionPlan& plan);
    void copyStep(const std::string& files, bool noHost, InsertionPlan& plan,
                  const std::string& uploadSeparator);
    void deliverToHost(const InsertionPlan& plan);
    void deliverToClipboard(const InsertionPlan& plan);

    InsertionServices services_;
    std::shared_ptr<HostObject> host_;
};

// The text put on the clipboard without a host: each text behind a comment that says where it
// goes, and first the files to upload.
std::string clipboardText(const InsertionPlan& plan);

} // namespace vorrel
