#include "pages/Top1afm.h"

#include "app/Wizard.h"
#include "chrome/WizardControls.h"

#include <QFrame>
#include <QPushButton>

namespace vorrel {

Top1afm::Top1afm(Wizard& wizard) : WizardPage(wizard, QStringLiteral("op1afm"), tr("Options")) {
    bb2 = addButton(this, QStringLiteral("bb2"), tr("<< Back"), QRect(153, 257, 81, 25));
    bb1 = addButton(this, QStringLiteral("bb1"), tr("Finished"), QRect(242, 257, 81, 25));
    bb3 = addButton(Panel1, QStringLiteral("bb3"), tr("Cancel"), QRect(331, 7, 81, 25));
    connect(bb1, &QPushButton::clicked, this, [this] { bb1Click(); });
    connect(bb2, &QPushButton::clicked, this, [this] { bb2Click(); });
    connect(bb3, &QPushButton::clicked, this, [this] { bb3Click(); });
    setDefaultButton(bb1);
    useControlFont();
    QWidget::setTabOrder(bb1, bb2);
    QWidget::setTabOrder(bb2, bb3);
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
