// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardPage.h"
#include "pages/WizardState.h"

#include <memory>
#include <vector>

namespace Ui {
class Top4fm;
}

namespace vorrel {

class EntryListControl;

// The Jump List builder: the image to click and the list of jump targets.
class Top4fm : public WizardPage {
    Q_OBJECT

public:
    explicit Top4fm(Wizard& wizard);
    ~Top4fm() override;

    void readInto(WizardState& state) const;

    // Browse for the image.
    void sb1Click();
    // Add.
    void bb4Click();
    // Delete.
    void bb7Click();
    // Next.
    void bb1Click();

protected:
    void FormShow() override;

private:
    std::unique_ptr<Ui::Top4fm> ui;
    EntryListControl* list_;
    std::vector<JumpTarget> jumpTargets_;
};

} // namespace vorrel
