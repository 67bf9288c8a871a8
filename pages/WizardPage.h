#pragma once

#include "chrome/TGradientForm.h"

class QFrame;
class QPushButton;

namespace vorrel {

class Wizard;

// A wizard page: the common frame, and the close box that ends the program.
class WizardPage : public TGradientForm {
    Q_OBJECT

public:
    WizardPage(Wizard& wizard, const QString& objectName, const QString& caption);

protected:
    void FormClose() override;

    Wizard& wizard_;
    QFrame* Panel1;
};

} // namespace vorrel
