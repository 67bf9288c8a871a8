#pragma once

#include "app/Platform.h"

#include <QMessageBox>

namespace vorrel {

class ProgramLifetime;

// Message boxes titled "Vorrel" with one OK button, modal over the visible wizard window.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(const ProgramLifetime& lifetime) : lifetime_(lifetime) {}

    void showPlain(const std::string& text) override;
    void showInformation(const std::string& text) override;
    void showError(const std::string& text) override;

private:
    void show(QMessageBox::Icon icon, const std::string& text);

    const ProgramLifetime& lifetime_;
};

} // namespace vorrel
