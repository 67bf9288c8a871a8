// SPDX-License-Identifier: MIT
#include "app/QtFolderPicker.h"

#include "app/Errors.h"
#include "app/ProgramLifetime.h"
#include "chrome/DialogParent.h"
#include "chrome/QtText.h"

#include <QApplication>
#include <QFileDialog>

namespace vorrel {

std::optional<std::string> QtFolderPicker::pickFolder(const std::string& startFolder,
                                                      const std::string& title) {
    const PlacedOverWizard placed;
    const QString chosen =
        QFileDialog::getExistingDirectory(dialogParent(), toQString(title), toQString(startFolder));
    if (lifetime_.ending())
        throw Terminated{};
    if (chosen.isEmpty())
        return std::nullopt;
    return toStdString(chosen);
}

} // namespace vorrel
