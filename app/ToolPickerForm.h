// SPDX-License-Identifier: MIT
#pragma once

#include "app/ScriptTool.h"
#include "launch/TExecFile.h"
#include "pages/WizardPage.h"

#include <memory>

namespace Ui {
class ToolPickerForm;
}

namespace vorrel {

class PaintBox;
struct WizardState;

// The main window: the user picks one of the seven tools and a preview mode.
class ToolPickerForm : public WizardPage {
    Q_OBJECT

public:
    explicit ToolPickerForm(Wizard& wizard);
    ~ToolPickerForm() override;

    bool noHost() const { return noHost_; }
    ScriptTool selectedTool() const;
    void readInto(WizardState& state) const;

    // Next >>, and a double-click on the list.
    void bb1Click();
    // Preview: the example page of the highlighted tool in the chosen mode, shown by the host,
    // or else by the desktop's program for web pages.
    void bb2Click();
    // Paints a wizard window's side picture into its paint box: the full-colour bitmap on a
    // screen of more than 256 colours, else the low-colour one, the box sized to the picture,
    // and the picture's background (the colour of its bottom-left pixel) drawn in the box's own
    // background colour, so that it blends into the window whatever the desktop's colours.
    void PaintWizardPicture(const QString& lowColour, const QString& fullColour, PaintBox& box,
                            QPainter& painter);

    // The Cancel button: ends the program.
    void lb1dblclick();
    // The Help button and the list's "What's This?".
    void WhatsThis1Click();

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    // The application-wide hook: sees every event taken from the program's queue.
    bool AppMessage(QEvent* event);

    std::unique_ptr<Ui::ToolPickerForm> ui;
    bool firstShow_ = true;
    bool noHost_ = true;
    bool pagesAskedFor_ = false;
    // Opens the example pages without a host; its failure shows nothing.
    TExecFile ExecFile1;
};

} // namespace vorrel
