// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardPage.h"
#include "pages/WizardState.h"

#include <memory>

namespace Ui {
class Top1afm;
}

namespace vorrel {

class WhatsThisHelp;

// The separate-window options page: the features and size of the tool's own window.
class Top1afm : public WizardPage {
    Q_OBJECT

public:
    explicit Top1afm(Wizard& wizard);
    ~Top1afm() override;

    void readInto(WizardState& state) const;
    int helpContext() const;

private:
    std::unique_ptr<Ui::Top1afm> ui;
    WhatsThisHelp* whatsThis_;
};

} // namespace vorrel
