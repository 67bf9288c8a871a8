#include "pages/Top4fm.h"

#include "app/Wizard.h"
#include "chrome/WizardControls.h"

#include <QFrame>
#include <QPushButton>

namespace vorrel {

Top4fm::Top4fm(Wizard& wizard)
    : WizardPage(wizard, QStringLiteral("op4fm"), tr("Jump List Builder")) {
    bb3 = addButton(this, "bb3", tr("<< Back"), {153, 257, 81, 25}, [this] { bb3Click(); });
    bb1 = addButton(this, "bb1", tr("Next >>"), {242, 257, 81, 25}, [this] { bb1Click(); });
    BitBtn1 =
        addButton(Panel1, "BitBtn1", tr("Cancel"), {332, 7, 80, 25}, [this] { BitBtn1Click(); });
    setDefaultButton(bb1);
    useControlFont();
    setTabChain({bb1, BitBtn1, bb3});
}

void Top4fm::FormShow() {
    wizard_.setBackPage(OptionsBackPage::JumpListBuilder);
}

void Top4fm::bb1Click() {
    wizard_.moveTo(WizardWindow::Options);
}
void Top4fm::bb3Click() {
    wizard_.moveTo(WizardWindow::ToolPicker);
}
void Top4fm::BitBtn1Click() {
    wizard_.endProgram();
}

} // namespace vorrel
