// SPDX-License-Identifier: MIT
#include "editors/files/FolderCopy.h"

#include "editors/files/WholeFile.h"

#include <sys/stat.h>
#include <utility>

namespace files {

namespace {

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

PlannedCopy::Step stepFor(const PlannedCopy& copy) {
    switch (kindOf(copy.target)) {
    case Kind::Missing:
        return PlannedCopy::Step::Write;
    case Kind::Other:
        throw FileError("Cannot copy " + copy.name + ": " + copy.target +
                        " is there already and is not a regular file.");
    case Kind::Regular:
        break;
    }
    if (sameFile(copy.source, copy.target) || readWholeFile(copy.target) == copy.bytes)
        return PlannedCopy::Step::Keep;
    return PlannedCopy::Step::Replace;
}

} // namespace

FolderCopy::FolderCopy(const std::vector<std::string>& sources, std::string folder)
    : folder_(std::move(folder)) {
    for (const std::string& source : sources) {
        if (kindOf(source) == Kind::Missing)
            throw FileError("Cannot copy " + source + ": no such file.");
        PlannedCopy copy;
        copy.source = source;
        copy.name = nameOf(source);
        copy.target = folder_ + copy.name;
        if (copy.name.empty())
            throw FileError("Cannot copy " + source + ": it is a folder, not a file.");
        copy.bytes = readWholeFile(source);
        copy.step = stepFor(copy);
        planned_.push_back(std::move(copy));
    }
}

void FolderCopy::run(const std::function<bool(const PlannedCopy&)>& mayReplace) const {
    std::vector<bool> agreed;
    for (const PlannedCopy& copy : planned_)
        agreed.push_back(copy.step == PlannedCopy::Step::Write ||
                         (copy.step == PlannedCopy::Step::Replace && mayReplace(copy)));
    std::string refused;
    for (std::size_t i = 0; i < planned_.size(); ++i) {
        if (agreed[i])
            writeWholeFile(planned_[i].target, planned_[i].bytes);
        else if (planned_[i].step == PlannedCopy::Step::Replace)
            refused += (refused.empty() ? "" : " ") + planned_[i].name + " was not copied.";
    }
    if (!refused.empty())
        throw FileError(refused);
}

std::string FolderCopy::replaceQuestion(const PlannedCopy& copy) {
    std::string folder = copy.target.substr(0, copy.target.size() - copy.name.size());
    if (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return copy.name + " already exists in " + folder + ". Do you want to replace it?";
}

} // namespace files
