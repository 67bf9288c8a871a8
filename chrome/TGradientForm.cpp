// SPDX-License-Identifier: MIT
#include "chrome/TGradientForm.h"

#include "chrome/WayOut.h"
#include "chrome/WizardFrame.h"

#include "chrome/Fonts.h"
#include "chrome/WizardStyle.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QWindow>
#include <qdrawutil.h>

#include <cmath>
#include <limits>

namespace vorrel {

namespace {

// The wizard windows: a fixed frame with the system menu and a minimise box.
constexpr BorderStyle kBorderStyle = BorderStyle::bsSingle;
constexpr BorderIcons kBorderIcons{true, true, false, false};

Rgb toRgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

QColor toColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// The caption colours of the desktop: its highlight for the active window, its dark shade for
// an inactive one.
Rgb activeCaptionColour(const QPalette& palette) {
    return toRgb(palette.color(QPalette::Active, QPalette::Highlight));
}
Rgb inactiveCaptionColour(const QPalette& palette) {
    return toRgb(palette.color(QPalette::Inactive, QPalette::Dark));
}

// The pictures on the caption buttons, drawn in `colour` inside `box`.
void drawGlyph(QPainter& p, QRect box, int which, const QColor& colour) {
    const QPoint c = box.center();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    switch (which) {
    case 0: // minimise: a bar at the bottom
        p.drawRect(c.x() - 4, c.y() + 2, 6, 2);
        break;
    case 1: // maximise: a window with a thick top edge
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 1));
        p.drawRect(c.x() - 4, c.y() - 4, 8, 7);
        p.drawLine(c.x() - 4, c.y() - 3, c.x() + 4, c.y() - 3);
        break;
    default: // close: a cross
        for (int d = 0; d < 2; ++d) {
            p.setPen(QPen(colour, 1));
            p.drawLine(c.x() - 4 + d, c.y() - 3, c.x() + 2 + d, c.y() + 3);
            p.drawLine(c.x() + 2 + d, c.y() - 3, c.x() - 4 + d, c.y() + 3);
        }
        break;
    }
}

} // namespace

TGradientForm::TGradientForm(WizardFrame& frame, bool staysOnTop)
    : QWidget(&frame), staysOnTop_(staysOnTop),
      caption_(inactiveCaptionColour(QApplication::palette()),
               activeCaptionColour(QApplication::palette())) {
    makeCaptionFont();
    frame.adopt(this);
}

QFont TGradientForm::formFont() {
    return windowFont(14);
}
QFont TGradientForm::controlFont() {
    return windowFont(11);
}

void TGradientForm::formLoaded() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    client_->setAutoFillBackground(true);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == client_)
            continue;
        const bool hidden =
            child->testAttribute(Qt::WA_WState_ExplicitShowHide) && child->isHidden();
        child->setParent(client_);
        child->setVisible(!hidden);
    }
    // The controls take their font from the client area; of the desktop's style only the group
    // boxes are drawn differently. Setting either on every control would polish each one again.
    client_->setFont(controlFont());
    // Set only now, so that no control measures its text in a font it never shows.
    setFont(formFont());
    for (QGroupBox* box : client_->findChildren<QGroupBox*>())
        box->setStyle(WizardStyle::instance());
    for (QLabel* label : client_->findChildren<QLabel*>())
        if (label->property("autoSize").toBool())
            label->adjustSize();
    // A caption, an address or a path is taken whole, however long.
    for (QLineEdit* edit : client_->findChildren<QLineEdit*>())
        edit->setMaxLength(std::numeric_limits<int>::max());
    layOut();
    keepListFramesWhole();
}

// At a scale between whole numbers (150 %) a list's viewport and scroll bar are rounded out to
// whole pixels, and where they end between two pixels they cover the right or bottom line of the
// list's frame. A list one pixel longer has them end on a whole pixel.
void TGradientForm::keepListFramesWhole() {
    const qreal ratio = devicePixelRatioF();
    if (ratio == std::round(ratio))
        return;
    const auto onWholePixel = [ratio](int start, int length) {
        const qreal innerEnd = (start + length - 1) * ratio;
        return innerEnd == std::round(innerEnd) ? length : length + 1;
    };
    for (QAbstractScrollArea* area : client_->findChildren<QAbstractScrollArea*>()) {
        const QPoint at = area->mapTo(this, QPoint(0, 0));
        area->resize(onWholePixel(at.x(), area->width()), onWholePixel(at.y(), area->height()));
    }
}

void TGradientForm::makeCaptionFont() {
    captionFont_ = QFontDatabase::systemFont(QFontDatabase::TitleFont);
}

// The frame, the caption bar of a height that fits the caption font, and the client area.
void TGradientForm::layOut() {
    CaptionMetrics metrics;
    metrics.captionHeight =
        std::max(metrics.captionHeight, QFontMetrics(captionFont_).height() + 4);
    const int width = kClientWidth + 2 * metrics.dialogFrameX;
    layout_ = vorrel::captionLayout(width, kBorderStyle, kBorderIcons, metrics);
    const int clientTop = layout_.caption.top + metrics.captionHeight;
    setFixedSize(width, clientTop + kClientHeight + metrics.dialogFrameY);
    if (client_)
        client_->setGeometry(metrics.dialogFrameX, clientTop, kClientWidth, kClientHeight);
    markWayOut(this, toQRect(layout_.close));
}

void TGradientForm::buildColorTables() {
    caption_.buildColorTables(inactiveCaptionColour(palette()), activeCaptionColour(palette()));
}

void TGradientForm::setGradientColors(int count) {
    if (caption_.setGradientColors(count))
        update(toQRect(layout_.caption));
}

void TGradientForm::setPaintGradient(TGFPaintWhen when) {
    if (caption_.setPaintGradient(when))
        update(toQRect(layout_.caption));
}

bool TGradientForm::isFormActive() const {
    return isActiveWindow();
}

void TGradientForm::setStaysOnTop(bool onTop) {
    staysOnTop_ = onTop;
    if (auto* frame = qobject_cast<WizardFrame*>(parentWidget());
        frame && frame->shownPage() == this)
        frame->applyStaysOnTop(onTop);
}

QPixmap TGradientForm::captionImage(bool active) const {
    const Rect& caption = layout_.caption;
    // Drawn at the screen's own resolution, so that text and icon stay sharp at 200 %.
    const qreal ratio = devicePixelRatioF();
    QPixmap image(QSize(caption.width(), caption.height()) * ratio);
    image.setDevicePixelRatio(ratio);
    const QRect bar(0, 0, caption.width(), caption.height());
    QPainter p(&image);
    const CaptionBackground background = caption_.background(active);
    if (!background.gradient) {
        p.fillRect(bar, toColor(background.solid));
    } else {
        const ColorTable& table = caption_.table(background.activeTable);
        const int count = caption_.gradientColors();
        if (QPixmap::defaultDepth() <= 8) {
            // A screen with a palette: one band of each colour.
            const auto bands = gradientBands(bar.width(), count);
            for (int i = 0; i < count; ++i)
                p.fillRect(bands[std::size_t(i)].first, 0,
                           bands[std::size_t(i)].second - bands[std::size_t(i)].first, bar.height(),
                           toColor(table[std::size_t(i)]));
        } else {
            // Else one pixel of each colour, stretched over the whole bar in one copy.
            QImage strip(count, 1, QImage::Format_RGB32);
            for (int i = 0; i < count; ++i)
                strip.setPixel(i, 0, toColor(table[std::size_t(i)]).rgb());
            p.drawImage(bar, strip);
        }
    }
    if (!layout_.icon.empty()) {
        QIcon icon = windowIcon();
        if (icon.isNull())
            icon = style()->standardIcon(QStyle::SP_DesktopIcon);
        icon.paint(&p, toQRect(layout_.icon));
    }
    drawCaptionButtons(p);
    const QRect text = toQRect(layout_.text);
    p.setFont(captionFont_);
    p.setPen(Qt::white);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               p.fontMetrics().elidedText(windowTitle(), Qt::ElideRight, text.width()));
    return image;
}

void TGradientForm::drawCaptionButtons(QPainter& p) const {
    const struct {
        const Rect& box;
        bool enabled;
        CaptionButton button;
        int glyph;
    } buttons[] = {{layout_.minimize, layout_.minimizeEnabled, CaptionButton::Minimize, 0},
                   {layout_.maximize, layout_.maximizeEnabled, CaptionButton::None, 1},
                   {layout_.close, true, CaptionButton::Close, 2}};
    for (const auto& b : buttons) {
        if (b.box.empty())
            continue;
        const QRect box = toQRect(b.box);
        const bool sunken = b.enabled && pressed_ == b.button && pressedInside_;
        const QBrush face = palette().button();
        qDrawWinButton(&p, box, palette(), sunken, &face);
        const QRect glyph = box.translated(sunken ? 1 : 0, sunken ? 1 : 0);
        if (b.enabled) {
            drawGlyph(p, glyph, b.glyph, palette().color(QPalette::Active, QPalette::ButtonText));
        } else {
            // Engraved, as a disabled button shows it.
            drawGlyph(p, glyph.translated(1, 1), b.glyph, palette().color(QPalette::Light));
            drawGlyph(p, glyph, b.glyph, palette().color(QPalette::Disabled, QPalette::ButtonText));
        }
    }
}

void TGradientForm::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    qDrawWinPanel(&p, rect(), palette(), false);
    const QRect caption = toQRect(layout_.caption);
    if (event->rect().intersects(caption)) {
        p.drawPixmap(caption.topLeft(), captionImage(isFormActive()));
        ++captionPaints_;
    }
}

TGradientForm::CaptionButton TGradientForm::buttonAt(QPoint at) const {
    const QPoint inCaption = at - toQRect(layout_.caption).topLeft();
    if (toQRect(layout_.close).contains(inCaption))
        return CaptionButton::Close;
    if (layout_.minimizeEnabled && toQRect(layout_.minimize).contains(inCaption))
        return CaptionButton::Minimize;
    return CaptionButton::None;
}

void TGradientForm::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !toQRect(layout_.caption).contains(at)) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = buttonAt(at);
    if (pressed_ != CaptionButton::None) {
        pressedInside_ = true;
        update(toQRect(layout_.caption));
        return;
    }
    // The window system moves the window where it can (Wayland too); without a window manager
    // the window follows the mouse itself.
    QWidget* frame = window();
    if (!frame->windowHandle() || !frame->windowHandle()->startSystemMove())
        dragOffset_ = event->globalPosition().toPoint() - frame->frameGeometry().topLeft();
}

void TGradientForm::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_) {
        window()->move(event->globalPosition().toPoint() - *dragOffset_);
    } else if (pressed_ != CaptionButton::None) {
        const bool inside = buttonAt(event->position().toPoint()) == pressed_;
        if (inside != pressedInside_) {
            pressedInside_ = inside;
            update(toQRect(layout_.caption));
        }
    }
    QWidget::mouseMoveEvent(event);
}

void TGradientForm::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    const CaptionButton released = pressedInside_ ? pressed_ : CaptionButton::None;
    pressed_ = CaptionButton::None;
    pressedInside_ = false;
    update(toQRect(layout_.caption));
    if (released == CaptionButton::Minimize)
        window()->showMinimized();
    else if (released == CaptionButton::Close)
        close();
    QWidget::mouseReleaseEvent(event);
}

bool TGradientForm::event(QEvent* event) {
    // The wizard's window became active or inactive: the caption shows it.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        update(toQRect(layout_.caption));
    // The desktop's fonts changed: the caption font, and the bar's height with it.
    if (event->type() == QEvent::ApplicationFontChange) {
        makeCaptionFont();
        layOut();
        update();
    }
    return QWidget::event(event);
}

void TGradientForm::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::ActivationChange:
    case QEvent::WindowTitleChange:
        update(toQRect(layout_.caption));
        break;
    case QEvent::PaletteChange:
        buildColorTables();
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

// Only a showing the program asks for passes here: a window that comes back with the wizard's
// window keeps its state.
void TGradientForm::setVisible(bool visible) {
    if (visible && isHidden())
        formShowDue_ = true;
    QWidget::setVisible(visible);
}

void TGradientForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (formShowDue_ && !event->spontaneous()) {
        formShowDue_ = false;
        FormShow();
    }
}

void TGradientForm::closeEvent(QCloseEvent* event) {
    event->accept();
    FormClose();
}

void TGradientForm::keyPressEvent(QKeyEvent* event) {
    // The window's own focus, which is the keyboard's while the window is active.
    QWidget* focused = focusWidget();
    // A multi-line edit keeps Enter for its new lines and lets Escape do nothing.
    if (qobject_cast<const QPlainTextEdit*>(focused)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        auto* button = qobject_cast<QPushButton*>(focused);
        QPushButton* target = button ? button : defaultButton_.data();
        if (target && target->isEnabled()) {
            target->click();
            return;
        }
    }
    if (event->key() == Qt::Key_Escape && cancelButton_ && cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vorrel
