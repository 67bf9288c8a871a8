// SPDX-License-Identifier: MIT
#include "app/QtMessageBoxes.h"

#include "app/Errors.h"
#include "app/ProgramLifetime.h"
#include "chrome/DialogParent.h"

#include <QApplication>

namespace vorrel {

namespace {

// A word longer than this many characters gets places where a line may break.
constexpr int kLongestUnbroken = 40;

// The text with invisible break opportunities (zero-width spaces) after each "/" of a long word
// and inside any longer run, so that a long path wraps instead of widening the box beyond the
// screen, where its end would be cut off. What the user reads stays the same.
QString breakable(const QString& text) {
    constexpr QChar kBreak(0x200B);
    QString result;
    result.reserve(text.size() + text.size() / 8);
    int run = 0;
    for (const QChar c : text) {
        result += c;
        run = c.isSpace() ? 0 : run + 1;
        if (run > 0 && (c == QLatin1Char('/') || run >= kLongestUnbroken)) {
            result += kBreak;
            run = 0;
        }
    }
    return result;
}

} // namespace

void QtMessageBoxes::showPlain(const std::string& text) {
    show(QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageBoxes::showInformation(const std::string& text) {
    show(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageBoxes::showError(const std::string& text) {
    show(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageBoxes::askYesNo(const std::string& text) {
    return show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

QMessageBox::StandardButton QtMessageBoxes::show(QMessageBox::Icon icon, const std::string& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton byDefault) {
    if (lifetime_.ending())
        throw Terminated{};
    // The texts break their lines the way the generated HTML does; a label wants plain LF.
    const QString shown = QString::fromStdString(text).replace(QStringLiteral("\r\n"), "\n");
    QMessageBox box(icon, QStringLiteral("Vorrel"), breakable(shown), buttons, dialogParent());
    box.setObjectName(QStringLiteral("VorrelMessageBox"));
    box.setDefaultButton(byDefault);
    box.setEscapeButton(buttons.testFlag(QMessageBox::No) ? QMessageBox::No : byDefault);
    const PlacedOverWizard placed;
    const auto answer = QMessageBox::StandardButton(box.exec());
    if (lifetime_.ending())
        throw Terminated{};
    return answer;
}

} // namespace vorrel
