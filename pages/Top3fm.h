// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardPage.h"
#include "pages/WizardState.h"

#include <memory>

namespace Ui {
class Top3fm;
}

namespace vorrel {

// The Popup Window page: the HTML text of the tool's own window.
class Top3fm : public WizardPage {
    Q_OBJECT

public:
    explicit Top3fm(Wizard& wizard);
    ~Top3fm() override;

    void readInto(WizardState& state) const;

protected:
    void FormShow() override;

private:
    std::unique_ptr<Ui::Top3fm> ui;
};

} // namespace vorrel
