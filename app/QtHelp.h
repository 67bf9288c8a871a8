// SPDX-License-Identifier: MIT
#pragma once

#include "app/HelpFile.h"
#include "app/Platform.h"

#include <QPointer>
#include <QString>

class QTextBrowser;

namespace vorrel {

// The help file beside the program: a topic in the help window, or as a pop-up at the mouse. The
// file is read anew for each topic, so an edited help file shows at once. A missing file or
// topic is said in the error box.
class QtHelp : public Help {
public:
    QtHelp(QString helpFile, MessageBoxes& messages);
    ~QtHelp() override;

    void showTopic(int topic) override;
    void showPopup(int topic) override;
    void showPopupAt(int topic, int x, int y) override;

private:
    std::optional<HelpTopic> load(int topic);

    QString helpFile_;
    MessageBoxes& messages_;
    // The help window: a window of its own beside the wizard's, made at its first use.
    QPointer<QTextBrowser> window_;
};

} // namespace vorrel
