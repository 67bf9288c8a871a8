// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace files {

// One file of a copy into the document's folder, as found once every source was checked.
struct PlannedCopy {
    enum class Step {
        Write,   // nothing of that name is in the folder yet
        Keep,    // the folder has it already: the source itself, or a file of the same bytes
        Replace, // a different file of the same name: replaced only if the user agrees
    };
    std::string source; // as the list gave it
    std::string name;   // the file name it gets in the folder
    std::string target; // the folder's path of it
    Step step = Step::Write;
    std::string bytes; // the source's content
};

// Copies files into a folder without losing one: every source and every target is checked
// before the first byte is written, a file already there is replaced only with the user's
// consent, and each copy is written whole or not at all. Failures throw FileError.
class FolderCopy {
public:
    // Reads every source (each must be a regular file) and looks at its target in `folder`
    // (a path that ends in "/"): a target of that name that is not a regular file is refused.
    FolderCopy(const std::vector<std::string>& sources, std::string folder);

    const std::vector<PlannedCopy>& planned() const { return planned_; }

    // Writes every copy whose step is Write, and each Replace that `mayReplace` agrees to
    // (it is asked about each one, in order, before anything is written). When it refuses one,
    // the others are still copied, and FileError then names the files that were not.
    void run(const std::function<bool(const PlannedCopy&)>& mayReplace) const;

    // What the user is asked before `copy` replaces the file of the same name.
    static std::string replaceQuestion(const PlannedCopy& copy);

private:
    std::string folder_;
    std::vector<PlannedCopy> planned_;
};

} // namespace files
