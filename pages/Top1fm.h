#pragma once

#include "pages/WizardPage.h"
#include "pages/WizardState.h"

namespace vorrel {

class RadioGroup;

// The Options page: how the tool is displayed, and the caption and page of a separate window.
class Top1fm : public WizardPage {
    Q_OBJECT

public:
    explicit Top1fm(Wizard& wizard);

    DisplayMethod displayMethod() const;
    void readInto(WizardState& state) const;

    void rg1Click();
    void bb1Click();
    void bb2Click();
    void bb3Click();

protected:
    void FormShow() override;

private:
    RadioGroup* rg1;
    QPushButton* bb1;
    QPushButton* bb2;
    QPushButton* bb3;
};

} // namespace vorrel
