// SPDX-License-Identifier: MIT
#include "app/QtFilePicker.h"

#include "app/Errors.h"
#include "app/ProgramLifetime.h"
#include "chrome/DialogParent.h"
#include "chrome/QtText.h"

#include <QApplication>
#include <QFileDialog>

namespace vorrel {

std::optional<std::string> QtFilePicker::pickFile(const std::vector<std::string>& filters) {
    const PlacedOverWizard placed;
    const QString chosen = QFileDialog::getOpenFileName(dialogParent(), QString(), QString(),
                                                        toQStringList(filters).join(";;"));
    if (lifetime_.ending())
        throw Terminated{};
    if (chosen.isEmpty())
        return std::nullopt;
    return toStdString(chosen);
}

} // namespace vorrel
