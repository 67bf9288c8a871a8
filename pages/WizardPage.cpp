#include "pages/WizardPage.h"

#include "app/Platform.h"
#include "app/Wizard.h"
#include "chrome/QtText.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>

namespace vorrel {

WizardPage::WizardPage(Wizard& wizard, Qt::WindowFlags extraFlags)
    : TGradientForm(extraFlags), wizard_(wizard) {}

void WizardPage::FormClose() {
    wizard_.endProgram();
}

void WizardPage::onClick(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { wizard_.guarded(handler); });
}

void WizardPage::onTriggered(QAction* action, std::function<void()> handler) {
    connect(action, &QAction::triggered, this,
            [this, handler = std::move(handler)] { wizard_.guarded(handler); });
}

void WizardPage::browseInto(QLineEdit* edit, const std::vector<std::string>& filters) {
    if (const auto path = wizard_.filePicker().pickFile(filters))
        edit->setText(toQString(*path));
}

bool WizardPage::passes(const Problems& problems) {
    for (std::string_view problem : problems)
        wizard_.messages().showPlain(std::string(problem));
    return problems.empty();
}

} // namespace vorrel
