#include "pages/Top1fm.h"

#include "app/Wizard.h"
#include "app/WizardFlow.h"
#include "chrome/QtText.h"
#include "chrome/RadioGroup.h"
#include "chrome/WizardControls.h"

#include <QFrame>
#include <QPushButton>

namespace vorrel {

Top1fm::Top1fm(Wizard& wizard) : WizardPage(wizard, QStringLiteral("op1fm"), tr("Options")) {
    rg1 = new RadioGroup(tr("Display Method"), toQStringList(kDisplayMethodNames), this);
    rg1->setObjectName(QStringLiteral("rg1"));
    rg1->setGeometry(149, 47, 255, 93);
    rg1->setItemIndex(int(DisplayMethod::InCurrentPage));
    connect(rg1, &RadioGroup::clicked, this, [this] { rg1Click(); });

    bb2 = addButton(this, "bb2", tr("<< Back"), {153, 257, 81, 25}, [this] { bb2Click(); });
    bb1 =
        addButton(this, "bb1", toQString(kNextCaption), {242, 257, 81, 25}, [this] { bb1Click(); });
    bb3 = addButton(Panel1, "bb3", tr("Cancel"), {331, 7, 81, 25}, [this] { bb3Click(); });
    setDefaultButton(bb1);
    useControlFont();
    setTabChain({bb1, rg1, bb2, bb3});
}

DisplayMethod Top1fm::displayMethod() const {
    return static_cast<DisplayMethod>(rg1->itemIndex());
}

void Top1fm::readInto(WizardState& state) const {
    state.displayMethod = displayMethod();
}

void Top1fm::FormShow() {
    rg1Click();
}

void Top1fm::rg1Click() {
    const DisplayMethod method = effectiveDisplayMethod(wizard_.tool(), displayMethod());
    rg1->setItemIndex(int(method));
    bb1->setText(toQString(optionsNextCaption(method)));
}

void Top1fm::bb1Click() {
    if (optionsNextFinishes(toStdString(bb1->text())))
        wizard_.finish();
    else
        wizard_.moveTo(WizardWindow::SeparateWindowOptions);
}

void Top1fm::bb2Click() {
    wizard_.moveTo(optionsBackTarget(wizard_.backPage()));
}

void Top1fm::bb3Click() {
    wizard_.endProgram();
}

} // namespace vorrel
