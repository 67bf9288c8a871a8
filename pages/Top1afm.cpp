#include "pages/Top1afm.h"

#include "app/Wizard.h"
#include "chrome/WizardControls.h"

#include <QFrame>
#include <QPushButton>

namespace vorrel {

Top1afm::Top1afm(Wizard& wizard) : WizardPage(wizard, QStringLiteral("op1afm"), tr("Options")) {
    bb2 = addButton(this, "bb2", tr("<< Back"), {153, 257, 81, 25}, [this] { bb2Click(); });
    bb1 = addButton(this, "bb1", tr("Finished"), {242, 257, 81, 25}, [this] { bb1Click(); });
    bb3 = addButton(Panel1, "bb3", tr("Cancel"), {331, 7, 81, 25}, [this] { bb3Click(); });
    setDefaultButton(bb1);
    useControlFont();
    setTabChain({bb1, bb2, bb3});
}

void Top1afm::bb1Click() {
    wizard_.finish();
}
void Top1afm::bb2Click() {
    wizard_.moveTo(WizardWindow::Options);
}
void Top1afm::bb3Click() {
    wizard_.endProgram();
}

} // namespace vorrel
