#include "chrome/TGradientForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShowEvent>

#include <limits>

namespace vorrel {

namespace {
// The windows were laid out for a small bitmap sans serif whose text is about as wide as Arial's
// at 11 pixels. Liberation Sans has Arial's widths (fonts-liberation2 is installed with the
// program), so at 11 pixels every caption fits the place it was given; at 12 pixels it would be
// some 8 % wider and cut the longer ones. DejaVu Sans, Debian's default, is wider still and only
// a last resort.
QFont sansFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

// A group's caption sits on its frame line, so that three radio items fit into a short group.
constexpr const char* kGroupStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px;"
    " padding-top: 3px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
    " left: 7px; padding: 0px 2px; }";
} // namespace

TGradientForm::TGradientForm(Qt::WindowFlags extraFlags)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint |
                           extraFlags) {
    setFont(formFont());
}

QFont TGradientForm::formFont() {
    return sansFont(14);
}
QFont TGradientForm::controlFont() {
    return sansFont(11);
}

void TGradientForm::formLoaded() {
    setFixedSize(kClientWidth, kClientHeight);
    setStyleSheet(QString::fromLatin1(kGroupStyle));
    for (QWidget* child : findChildren<QWidget*>())
        child->setFont(controlFont());
    for (QLabel* label : findChildren<QLabel*>())
        if (label->property("autoSize").toBool())
            label->adjustSize();
    // A caption, an address or a path is taken whole, however long.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setMaxLength(std::numeric_limits<int>::max());
    centreOnScreen();
}

void TGradientForm::centreOnScreen() {
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void TGradientForm::setStaysOnTop(bool onTop) {
    if (onTop == bool(windowFlags() & Qt::WindowStaysOnTopHint))
        return;
    const bool visible = isVisible();
    // Changing a window's flags hides it; the window system is told of the change by showing it
    // again, which is not a new showing of the page.
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) {
        reshowing_ = true;
        QWidget::show();
        reshowing_ = false;
    }
}

void TGradientForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && !reshowing_)
        FormShow();
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
