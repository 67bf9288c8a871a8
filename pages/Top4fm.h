#pragma once

#include "pages/WizardPage.h"

namespace vorrel {

// The Jump List builder: the image to click and the list of jump targets.
class Top4fm : public WizardPage {
    Q_OBJECT

public:
    explicit Top4fm(Wizard& wizard);

    void bb1Click();
    void bb3Click();
    void BitBtn1Click();

protected:
    void FormShow() override;

private:
    QPushButton* bb1;
    QPushButton* bb3;
    QPushButton* BitBtn1;
};

} // namespace vorrel
