#pragma once

#include "pages/WizardPage.h"

namespace vorrel {

// The separate-window options page: the features and size of the tool's own window.
class Top1afm : public WizardPage {
    Q_OBJECT

public:
    explicit Top1afm(Wizard& wizard);

    void bb1Click();
    void bb2Click();
    void bb3Click();

private:
    QPushButton* bb1;
    QPushButton* bb2;
    QPushButton* bb3;
};

} // namespace vorrel
