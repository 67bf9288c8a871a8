#pragma once

#include "pages/WizardPage.h"

namespace vorrel {

// The Animated Buttons list builder: the buttons, their images and addresses.
class Top2fm : public WizardPage {
    Q_OBJECT

public:
    explicit Top2fm(Wizard& wizard);

    void bb1Click();
    void bb2Click();
    void bb3Click();

protected:
    void FormShow() override;

private:
    QPushButton* bb1;
    QPushButton* bb2;
    QPushButton* bb3;
};

} // namespace vorrel
