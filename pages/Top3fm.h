#pragma once

#include "pages/WizardPage.h"

namespace vorrel {

// The Popup Window page: the HTML text of the tool's own window.
class Top3fm : public WizardPage {
    Q_OBJECT

public:
    explicit Top3fm(Wizard& wizard);

    void BitBtn1Click();
    void BitBtn2Click();
    void bb3Click();

protected:
    void FormShow() override;

private:
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* bb3;
};

} // namespace vorrel
