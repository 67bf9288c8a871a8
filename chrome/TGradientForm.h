#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace vorrel {

// Base of every wizard window: a fixed client area centred on the screen, a title bar with the
// system menu, minimise and close but no maximise. FormShow runs each time the program shows the
// window (not when the window system restores it); FormClose runs for the close box.
class TGradientForm : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 417;
    static constexpr int kClientHeight = 287;

    explicit TGradientForm(Qt::WindowFlags extraFlags = {});

    // Enter presses the focused button, else the default button; Escape presses the cancel
    // button. A control that uses these keys itself (a multi-line edit) keeps them.
    void setDefaultButton(QPushButton* button) { defaultButton_ = button; }
    void setCancelButton(QPushButton* button) { cancelButton_ = button; }

    // Stays above other windows or stops doing so; a visible window stays visible.
    void setStaysOnTop(bool onTop);

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}

    // Finishes a window whose controls its form has just made: the controls' font, the size of
    // the labels that fit their text (dynamic property "autoSize"), edits that take text of any
    // length, and the fixed client area centred on the screen.
    void formLoaded();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // The fonts of the wizard windows: the form's and the smaller one of its controls.
    static QFont formFont();
    static QFont controlFont();

private:
    void centreOnScreen();

    QPointer<QPushButton> defaultButton_;
    QPointer<QPushButton> cancelButton_;
    bool reshowing_ = false;
};

} // namespace vorrel
