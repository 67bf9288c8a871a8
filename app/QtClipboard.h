#pragma once

#include "app/Platform.h"

#include <QString>

namespace vorrel {

// The desktop's clipboard; the text replaces whatever it held.
class QtClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;

    // As the program ends: the text it put on the clipboard stays there. On X11 a clipboard
    // manager, where one runs, is asked by Qt to take it over as the application ends; where
    // none runs, `keeper` (a small program of Vorrel's own) is started in a session of its own
    // and goes on offering the text until another program takes the clipboard.
    void keepAfterExit(const QString& keeper);

private:
    std::string text_;
};

} // namespace vorrel
