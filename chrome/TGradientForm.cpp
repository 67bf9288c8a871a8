#include "chrome/TGradientForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>

namespace vorrel {

namespace {
QFont sansFont(int pixelSize) {
    QFont font;
    // The windows were laid out for this face; the others are its nearest stand-ins here.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}
} // namespace

TGradientForm::TGradientForm(const QString& objectName, const QString& caption)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(formFont());
    centreOnScreen();
}

QFont TGradientForm::formFont() {
    return sansFont(14);
}
QFont TGradientForm::controlFont() {
    return sansFont(12);
}

void TGradientForm::centreOnScreen() {
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void TGradientForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TGradientForm::closeEvent(QCloseEvent* event) {
    event->accept();
    FormClose();
}

} // namespace vorrel

namespace vorrel {

void TGradientForm::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QPushButton* target = focused && isAncestorOf(focused) ? focused : defaultButton_.data();
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

void TGradientForm::useControlFont() {
    for (QWidget* child : findChildren<QWidget*>())
        child->setFont(controlFont());
}

} // namespace vorrel
