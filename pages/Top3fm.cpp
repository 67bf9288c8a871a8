#include "pages/Top3fm.h"

#include "app/Wizard.h"
#include "chrome/WizardControls.h"

#include <QFrame>
#include <QPushButton>

namespace vorrel {

Top3fm::Top3fm(Wizard& wizard)
    : WizardPage(wizard, QStringLiteral("op3fm"), tr("Enter HTML text here")) {
    BitBtn2 = addButton(this, QStringLiteral("BitBtn2"), tr("<< Back"), QRect(153, 257, 81, 25));
    BitBtn1 = addButton(this, QStringLiteral("BitBtn1"), tr("Next >>"), QRect(242, 257, 81, 25));
    bb3 = addButton(Panel1, QStringLiteral("bb3"), tr("Cancel"), QRect(331, 7, 81, 25));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(bb3, &QPushButton::clicked, this, [this] { bb3Click(); });
    setDefaultButton(BitBtn1);
    setCancelButton(BitBtn2);
    useControlFont();
    QWidget::setTabOrder(BitBtn1, BitBtn2);
    QWidget::setTabOrder(BitBtn2, bb3);
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
