#include "pages/Top3fm.h"

#include "app/Wizard.h"
#include "chrome/WizardControls.h"

#include <QFrame>
#include <QPushButton>

namespace vorrel {

Top3fm::Top3fm(Wizard& wizard)
    : WizardPage(wizard, QStringLiteral("op3fm"), tr("Enter HTML text here")) {
    BitBtn2 =
        addButton(this, "BitBtn2", tr("<< Back"), {153, 257, 81, 25}, [this] { BitBtn2Click(); });
    BitBtn1 =
        addButton(this, "BitBtn1", tr("Next >>"), {242, 257, 81, 25}, [this] { BitBtn1Click(); });
    bb3 = addButton(Panel1, "bb3", tr("Cancel"), {331, 7, 81, 25}, [this] { bb3Click(); });
    setDefaultButton(BitBtn1);
    setCancelButton(BitBtn2);
    useControlFont();
    setTabChain({BitBtn1, BitBtn2, bb3});
}

void Top3fm::FormShow() {
    wizard_.setBackPage(OptionsBackPage::HtmlTextPage);
}

void Top3fm::BitBtn1Click() {
    wizard_.moveTo(WizardWindow::Options);
}
void Top3fm::BitBtn2Click() {
    wizard_.moveTo(WizardWindow::ToolPicker);
}
void Top3fm::bb3Click() {
    wizard_.endProgram();
}

} // namespace vorrel
