#include "pages/Top4fm.h"

#include "app/Wizard.h"
#include "chrome/WizardControls.h"

#include <QFrame>
#include <QPushButton>

namespace vorrel {

Top4fm::Top4fm(Wizard& wizard)
    : WizardPage(wizard, QStringLiteral("op4fm"), tr("Jump List Builder")) {
    bb3 = addButton(this, QStringLiteral("bb3"), tr("<< Back"), QRect(153, 257, 81, 25));
    bb1 = addButton(this, QStringLiteral("bb1"), tr("Next >>"), QRect(242, 257, 81, 25));
    BitBtn1 = addButton(Panel1, QStringLiteral("BitBtn1"), tr("Cancel"), QRect(332, 7, 80, 25));
    connect(bb1, &QPushButton::clicked, this, [this] { bb1Click(); });
    connect(bb3, &QPushButton::clicked, this, [this] { bb3Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    setDefaultButton(bb1);
    useControlFont();
    QWidget::setTabOrder(bb1, BitBtn1);
    QWidget::setTabOrder(BitBtn1, bb3);
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
