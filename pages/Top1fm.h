// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardPage.h"
#include "pages/WizardState.h"

#include <memory>

namespace Ui {
class Top1fm;
}

namespace vorrel {

class WhatsThisHelp;

// The Options page: the tool's caption, how it is displayed, and the page file and button of a
// separate window.
class Top1fm : public WizardPage {
    Q_OBJECT

public:
    explicit Top1fm(Wizard& wizard);
    ~Top1fm() override;

    void readInto(WizardState& state) const;
    int helpContext() const;

    void rg1Click();
    void bb1Click();
    void bb2Click();
    void WhatsThis2Click();

protected:
    void FormShow() override;

private:
    DisplayMethod displayMethod() const;

    std::unique_ptr<Ui::Top1fm> ui;
    WhatsThisHelp* whatsThis_;
};

} // namespace vorrel
