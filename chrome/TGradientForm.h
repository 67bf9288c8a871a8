// SPDX-License-Identifier: MIT
#pragma once

#include "chrome/GradientCaption.h"

#include <QFont>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <optional>

namespace vorrel {

class WizardFrame;

// Base of every wizard window. To its user each is a window of its own; the program shows them one
// at a time inside the wizard's one top-level window (WizardFrame), which takes the visible one's
// caption and size. The window draws its own frame and caption bar: a gradient from black to the
// desktop's caption colour with the icon, the caption in white, and the minimise, maximise
// (always disabled) and close buttons. Below it, the client area holds the window's controls at
// their fixed places; it is 417 × 287. FormShow runs each time the program shows the window (not
// when the window system restores it, nor when it comes back after getting out of the host's
// way); FormClose runs for the close box.
//
// The window system's own frame is not used, so that the bar looks the same everywhere. Its
// stand-ins for the desktop's settings:
// - the caption colours are the palette's highlight colour (active) and its dark colour
//   (inactive window); a palette change builds the colour tables again;
// - the caption font is the desktop's title font, made again when the desktop's fonts change;
// - the caption is the window title: setting the title it already has repaints nothing.
class TGradientForm : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 417;
    static constexpr int kClientHeight = 287;

    // A window shown in `frame`; one that `staysOnTop` keeps the wizard above other windows while
    // it is shown.
    explicit TGradientForm(WizardFrame& frame, bool staysOnTop = false);

    // Enter presses the focused button, else the default button; Escape presses the cancel
    // button. A control that uses these keys itself (a multi-line edit) keeps them.
    void setDefaultButton(QPushButton* button) { defaultButton_ = button; }
    void setCancelButton(QPushButton* button) { cancelButton_ = button; }

    // Stays above other windows or stops doing so; a visible window stays visible and in place.
    void setStaysOnTop(bool onTop);
    bool staysOnTop() const { return staysOnTop_; }

    int GradientColors() const { return caption_.gradientColors(); }
    void setGradientColors(int count);
    TGFPaintWhen PaintGradient() const { return caption_.paintGradient(); }
    void setPaintGradient(TGFPaintWhen when);

    // The area under the caption bar that holds the controls.
    QWidget* clientArea() const { return client_; }
    // Where the caption bar and its parts are, in window coordinates.
    const CaptionLayout& captionLayout() const { return layout_; }
    // The caption bar as it is drawn for the active or the inactive window.
    QPixmap captionImage(bool active) const;
    // How many times the caption bar was drawn on the screen.
    int captionPaints() const { return captionPaints_; }

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}

    // Finishes a window whose controls its form has just made: moves them into the client area,
    // gives them the controls' font, sizes the labels that fit their text (dynamic property
    // "autoSize"), lets edits take text of any length, and centres the window on the screen.
    void formLoaded();

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // The fonts of the wizard windows: the form's and the smaller one of its controls.
    static QFont formFont();
    static QFont controlFont();

private:
    enum class CaptionButton { None, Minimize, Close };

    void keepListFramesWhole();
    void buildColorTables();
    void makeCaptionFont();
    void layOut();
    bool isFormActive() const;
    CaptionButton buttonAt(QPoint at) const;
    void drawCaptionButtons(QPainter& painter) const;

    QPointer<QPushButton> defaultButton_;
    QPointer<QPushButton> cancelButton_;
    bool staysOnTop_ = false;
    // Set when the program shows the window, until its show event runs FormShow.
    bool formShowDue_ = false;

    GradientCaption caption_;
    QFont captionFont_;
    CaptionLayout layout_;
    QWidget* client_ = nullptr;
    int captionPaints_ = 0;
    // A caption button held down by the mouse, and whether the mouse is still over it.
    CaptionButton pressed_ = CaptionButton::None;
    bool pressedInside_ = false;
    // Where the caption was grabbed, when the window system cannot move the window itself.
    std::optional<QPoint> dragOffset_;
};

} // namespace vorrel
