// SPDX-License-Identifier: MIT
#pragma once

#include "pages/WizardPage.h"
#include "pages/WizardState.h"

#include <memory>
#include <vector>

namespace Ui {
class Top2fm;
}

namespace vorrel {

class EntryListControl;

// The Animated Buttons list builder: the buttons, their images and addresses.
class Top2fm : public WizardPage {
    Q_OBJECT

public:
    explicit Top2fm(Wizard& wizard);
    ~Top2fm() override;

    void readInto(WizardState& state) const;

    // Add.
    void bb4Click();
    // Delete.
    void bb7Click();
    // Next.
    void bb1Click();

protected:
    void FormShow() override;

private:
    std::unique_ptr<Ui::Top2fm> ui;
    EntryListControl* list_;
    std::vector<AnimatedButton> buttons_;
};

} // namespace vorrel
