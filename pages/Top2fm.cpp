#include "pages/Top2fm.h"

#include "app/Wizard.h"
#include "chrome/WizardControls.h"

#include <QFrame>
#include <QPushButton>

namespace vorrel {

Top2fm::Top2fm(Wizard& wizard)
    : WizardPage(wizard, QStringLiteral("op2fm"), tr("Animated Button List Builder")) {
    bb2 = addButton(Panel1, "bb2", tr("<< Back"), {153, 7, 81, 25}, [this] { bb2Click(); });
    bb1 = addButton(Panel1, "bb1", tr("Next >>"), {242, 7, 81, 25}, [this] { bb1Click(); });
    bb3 = addButton(Panel1, "bb3", tr("Cancel"), {331, 7, 81, 25}, [this] { bb3Click(); });
    setDefaultButton(bb1);
    useControlFont();
    setTabChain({bb2, bb1, bb3});
}

void Top2fm::FormShow() {
    wizard_.setBackPage(OptionsBackPage::ButtonListBuilder);
}

void Top2fm::bb1Click() {
    wizard_.moveTo(WizardWindow::Options);
}
void Top2fm::bb2Click() {
    wizard_.moveTo(WizardWindow::ToolPicker);
}
void Top2fm::bb3Click() {
    wizard_.endProgram();
}

} // namespace vorrel
