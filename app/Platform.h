#pragma once

#include <string>

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
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    // Runs the picker modally from `startFolder`; returns the chosen folder, or `startFolder`
    // when the user cancels.
    virtual std::string pickFolder(const std::string& startFolder, const std::string& title) = 0;
};

// Minimise and restore all of the program's windows.
class AppWindows {
public:
    virtual ~AppWindows() = default;
    virtual void minimize() = 0;
    virtual void restore() = 0;
};

class FileOutput {
public:
    virtual ~FileOutput() = default;
    // Replaces the file at `path` with `bytes` as a whole or not at all; throws FileError.
    virtual void replaceFile(const std::string& path, const std::string& bytes) = 0;
};

} // namespace vorrel
