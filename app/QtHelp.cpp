// SPDX-License-Identifier: MIT
#include "app/QtHelp.h"

#include "chrome/DialogParent.h"
#include "chrome/QtText.h"

#include <QCursor>
#include <QFile>
#include <QTextBrowser>
#include <QWhatsThis>

namespace vorrel {

QtHelp::QtHelp(QString helpFile, MessageBoxes& messages)
    : helpFile_(std::move(helpFile)), messages_(messages) {}

QtHelp::~QtHelp() {
    delete window_;
}

std::optional<HelpTopic> QtHelp::load(int topic) {
    QFile file(helpFile_);
    if (!file.open(QIODevice::ReadOnly)) {
        messages_.showError("The help file " + toStdString(helpFile_) +
                            " could not be opened: " + toStdString(file.errorString()) + ".");
        return std::nullopt;
    }
    const QByteArray text = file.readAll();
    auto found =
        HelpFile::parse(std::string_view(text.constData(), std::size_t(text.size()))).topic(topic);
    if (!found)
        messages_.showError("The help file " + toStdString(helpFile_) + " has no topic " +
                            std::to_string(topic) + ".");
    return found;
}

void QtHelp::showTopic(int topic) {
    const auto found = load(topic);
    if (!found)
        return;
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setObjectName(QStringLiteral("HelpWindow"));
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_->resize(560, 620);
        window_->setOpenExternalLinks(true);
    }
    window_->setWindowTitle(QStringLiteral("Vorrel Help - ") + toQString(found->title));
    window_->setHtml(toQString(topicHtml(*found)));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtHelp::showPopup(int topic) {
    const QPoint mouse = QCursor::pos();
    showPopupAt(topic, mouse.x(), mouse.y());
}

void QtHelp::showPopupAt(int topic, int x, int y) {
    if (const auto found = load(topic)) {
        // Qt makes the pop-up without a parent window; it opens over the wizard.
        const PlacedOverWizard placed;
        QWhatsThis::showText(QPoint(x, y), toQString(topicHtml(*found)));
    }
}

} // namespace vorrel
