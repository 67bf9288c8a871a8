#pragma once

#include "app/ScriptTool.h"
#include "chrome/TGradientForm.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vorrel {

class RadioGroup;
class Wizard;
struct WizardState;

// The main window: the user picks one of the seven tools and a preview mode.
class ToolPickerForm : public TGradientForm {
    Q_OBJECT

public:
    static constexpr const char* kCaption = "Vorrel - 1.03";

    explicit ToolPickerForm(Wizard& wizard);

    bool noHost() const { return noHost_; }
    ScriptTool selectedTool() const;
    void readInto(WizardState& state) const;

    // Next >>, and a double-click on the list.
    void bb1Click();
    // The Cancel button: ends the program.
    void lb1dblclick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void createControls();
    void setTabOrder();
    // The application-wide hook: sees every event taken from the program's queue.
    bool AppMessage(QEvent* event);

    Wizard& wizard_;
    bool firstShow_ = true;
    bool noHost_ = true;

    QPushButton* bb1 = nullptr;
    QPushButton* bb3 = nullptr;
    QListWidget* lb1 = nullptr;
    RadioGroup* rg1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace vorrel
