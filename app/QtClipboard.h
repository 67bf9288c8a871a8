#pragma once

#include "app/Platform.h"

namespace vorrel {

// The desktop's clipboard; the text replaces whatever it held.
class QtClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
};

} // namespace vorrel
