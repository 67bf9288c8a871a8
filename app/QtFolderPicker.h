// SPDX-License-Identifier: MIT
#pragma once

#include "app/Platform.h"

namespace vorrel {

class ProgramLifetime;

// The desktop's folder chooser, modal over the visible wizard window.
class QtFolderPicker : public FolderPicker {
public:
    explicit QtFolderPicker(const ProgramLifetime& lifetime) : lifetime_(lifetime) {}
    std::optional<std::string> pickFolder(const std::string& startFolder,
                                          const std::string& title) override;

private:
    const ProgramLifetime& lifetime_;
};

} // namespace vorrel
