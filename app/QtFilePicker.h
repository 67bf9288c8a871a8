// SPDX-License-Identifier: MIT
#pragma once

#include "app/Platform.h"

namespace vorrel {

class ProgramLifetime;

// The desktop's file-open dialog, modal over the visible wizard window.
class QtFilePicker : public FilePicker {
public:
    explicit QtFilePicker(const ProgramLifetime& lifetime) : lifetime_(lifetime) {}

    std::optional<std::string> pickFile(const std::vector<std::string>& filters) override;

private:
    const ProgramLifetime& lifetime_;
};

} // namespace vorrel
