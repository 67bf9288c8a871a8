#include "pages/WizardPage.h"

#include "app/Wizard.h"
#include "chrome/WizardControls.h"

#include <QFrame>

namespace vorrel {

WizardPage::WizardPage(Wizard& wizard, const QString& objectName, const QString& caption)
    : TGradientForm(objectName, caption), wizard_(wizard),
      Panel1(addWizardFrame(this, QRect(13, 10, 110, 220)).panel) {}

void WizardPage::FormClose() {
    wizard_.endProgram();
}

} // namespace vorrel
