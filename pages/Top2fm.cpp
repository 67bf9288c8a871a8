#include "pages/Top2fm.h"

#include "app/Wizard.h"
#include "chrome/WizardControls.h"

#include <QFrame>
#include <QPushButton>

namespace vorrel {

Top2fm::Top2fm(Wizard& wizard)
    : WizardPage(wizard, QStringLiteral("op2fm"), tr("Animated Button List Builder")) {
    bb2 = addButton(Panel1, QStringLiteral("bb2"), tr("<< Back"), QRect(153, 7, 81, 25));
    bb1 = addButton(Panel1, QStringLiteral("bb1"), tr("Next >>"), QRect(242, 7, 81, 25));
    bb3 = addButton(Panel1, QStringLiteral("bb3"), tr("Cancel"), QRect(331, 7, 81, 25));
    connect(bb1, &QPushButton::clicked, this, [this] { bb1Click(); });
    connect(bb2, &QPushButton::clicked, this, [this] { bb2Click(); });
    connect(bb3, &QPushButton::clicked, this, [this] { bb3Click(); });
    setDefaultButton(bb1);
    useControlFont();
    QWidget::setTabOrder(bb2, bb1);
    QWidget::setTabOrder(bb1, bb3);
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
