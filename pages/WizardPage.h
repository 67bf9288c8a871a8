// SPDX-License-Identifier: MIT
#pragma once

#include "chrome/TGradientForm.h"
#include "pages/BuilderChecks.h"

#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QLineEdit;
class QMenu;
class QPainter;

namespace vorrel {

class PaintBox;
class Wizard;

// A wizard window: the close box ends the program, F1 opens the help, and every handler runs
// guarded, so that an error shows in the error box and leaves the window as it was.
class WizardPage : public TGradientForm {
    Q_OBJECT

public:
    explicit WizardPage(Wizard& wizard, bool staysOnTop = false);

protected:
    void FormClose() override;

    // Finishes the page once its form has made the controls: what every wizard window does
    // (formLoaded), and the side picture, which the tool picker's painter draws.
    void pageLoaded();
    void pb2Paint(PaintBox& box, QPainter& painter);

    void onClick(QAbstractButton* button, std::function<void()> handler);
    // A Cancel button: it ends the program, also while the program waits for the host.
    void onCancel(QAbstractButton* button);
    void onTriggered(QAction* action, std::function<void()> handler);

    // Gives `control` a right-click menu of its own, holding `action`.
    QMenu* addContextMenu(QWidget* control, QAction* action, const QString& menuName);

    // Runs the file-open dialog with `filters`; the full path of a chosen file replaces the
    // edit's text, and a cancelled dialog leaves it as it was.
    void browseInto(QLineEdit* edit, const std::vector<std::string>& filters);

    // Shows each problem in a plain message box, in order. True when there was none.
    bool passes(const Problems& problems);

    Wizard& wizard_;
};

} // namespace vorrel
