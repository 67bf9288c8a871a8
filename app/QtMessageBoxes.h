// SPDX-License-Identifier: MIT
#pragma once

#include "app/Platform.h"

#include <QMessageBox>

namespace vorrel {

class ProgramLifetime;

// Message boxes titled "Vorrel" with one OK button (a question: Yes and No), modal over the
// visible wizard window. A long text wraps within the screen's width, also inside a long path.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(const ProgramLifetime& lifetime) : lifetime_(lifetime) {}

    void showPlain(const std::string& text) override;
    void showInformation(const std::string& text) override;
    void showError(const std::string& text) override;
    bool askYesNo(const std::string& text) override;

private:
    QMessageBox::StandardButton show(QMessageBox::Icon icon, const std::string& text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton byDefault);

    const ProgramLifetime& lifetime_;
};

} // namespace vorrel
