#include "app/QtMessageBoxes.h"

#include "app/Errors.h"
#include "app/ProgramLifetime.h"

#include <QApplication>

namespace vorrel {

void QtMessageBoxes::showPlain(const std::string& text) {
    show(QMessageBox::NoIcon, text);
}

void QtMessageBoxes::showInformation(const std::string& text) {
    show(QMessageBox::Information, text);
}

void QtMessageBoxes::showError(const std::string& text) {
    show(QMessageBox::Critical, text);
}

void QtMessageBoxes::show(QMessageBox::Icon icon, const std::string& text) {
    if (lifetime_.ending())
        throw Terminated{};
    // The texts break their lines the way the generated HTML does; a label wants plain LF.
    const QString shown = QString::fromStdString(text).replace(QStringLiteral("\r\n"), "\n");
    QMessageBox box(icon, QStringLiteral("Vorrel"), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("VorrelMessageBox"));
    box.exec();
    if (lifetime_.ending())
        throw Terminated{};
}

} // namespace vorrel
