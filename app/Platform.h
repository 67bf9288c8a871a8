// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorrel {

// The platform services the core uses. Each is a small interface: the Qt layer implements them for
// the program, tests implement them to drive and observe the core without a screen.

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A plain box: no icon, title "Vorrel", OK.
    virtual void showPlain(const std::string& text) = 0;
    virtual void showInformation(const std::string& text) = 0;
    // The standard error box.
    virtual void showError(const std::string& text) = 0;
    // A question titled "Vorrel" with Yes and No, No the default; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    // Runs the picker modally from `startFolder`; returns the chosen folder, or nothing when the
    // user cancels.
    virtual std::optional<std::string> pickFolder(const std::string& startFolder,
                                                  const std::string& title) = 0;
};

// The file-open dialog.
class FilePicker {
public:
    virtual ~FilePicker() = default;
    // Runs the dialog modally. `filters` name the kinds of file offered, the first one shown
    // first ("Images (*.jpg *.jpeg *.gif)"); none offers every file. Returns the chosen file's
    // full path, or nothing when the user cancels.
    virtual std::optional<std::string> pickFile(const std::vector<std::string>& filters) = 0;
};

// The help file's topics, by number.
class Help {
public:
    virtual ~Help() = default;
    // Opens the topic in the help window.
    virtual void showTopic(int topic) = 0;
    // Shows the topic as a small pop-up at the mouse.
    virtual void showPopup(int topic) = 0;
    // The same at a point of the screen (a control the keyboard chose).
    virtual void showPopupAt(int topic, int x, int y) = 0;
};

// The screen the windows are shown on.
class Screen {
public:
    virtual ~Screen() = default;
    // Bits per pixel: 8 on a screen of 256 colours, 24 or more on others.
    virtual int colourDepth() = 0;
};

// The product picture, shown for a moment before the first window when the program starts on
// its own; the program waits until it has closed.
class Splash {
public:
    virtual ~Splash() = default;
    virtual void show() = 0;
};

// Minimise and restore all of the program's windows.
class AppWindows {
public:
    virtual ~AppWindows() = default;
    virtual void minimize() = 0;
    virtual void restore() = 0;
};

// A file being written: it takes the place of any file at its path only when committed, so a
// failure part way leaves the old file as it was and no partial file behind. Dropping it
// uncommitted discards what was written.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual void write(std::string_view bytes) = 0;
    virtual void commit() = 0;
};

// What a path names now, links followed.
enum class PathKind {
    None,    // nothing (or a link that leads nowhere)
    Regular, // a regular file
    Other,   // a folder, a FIFO, a device or a socket
};

class FileOutput {
public:
    virtual ~FileOutput() = default;
    virtual PathKind kindOf(const std::string& path) = 0;
    // Starts a file at `path`; throws FileError when it cannot be created there.
    virtual std::unique_ptr<OutputFile> create(const std::string& path) = 0;
};

// Keeps the program's windows minimised for as long as it lives, so that the host's own windows
// can be used meanwhile; they come back also when the work in between fails.
class MinimizedScope {
public:
    explicit MinimizedScope(AppWindows& windows) : windows_(windows) { windows_.minimize(); }
    ~MinimizedScope() { windows_.restore(); }
    MinimizedScope(const MinimizedScope&) = delete;
    MinimizedScope& operator=(const MinimizedScope&) = delete;

private:
    AppWindows& windows_;
};

} // namespace vorrel
