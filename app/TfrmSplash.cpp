// SPDX-License-Identifier: MIT
#include "app/TfrmSplash.h"

#include "chrome/Bitmaps.h"
#include "chrome/Fonts.h"
#include "ui_TfrmSplash.h"

#include <QScreen>

namespace vorrel {

namespace {
// How long the splash waits to be made active before its time starts anyway.
constexpr int kActivationWaitMilliseconds = 300;
} // namespace

TfrmSplash::TfrmSplash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      ui(std::make_unique<Ui::TfrmSplash>()) {
    ui->setupUi(this);
    setModal(true);
    setFixedSize(471, 285);
    ui->Label2->setFont(windowFont(11, true));
    ui->Label1->setFont(windowFont(11));
    ui->Image1->setPixmap(
        QPixmap::fromImage(loadBitmap(QStringLiteral("splash"), devicePixelRatioF())));
    timer1_.setInterval(kShowMilliseconds);
    timer1_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, &TfrmSplash::Timer1Timer);
    activationWait_.setInterval(kActivationWaitMilliseconds);
    activationWait_.setSingleShot(true);
    connect(&activationWait_, &QTimer::timeout, this, &TfrmSplash::FormActivate);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrmSplash::~TfrmSplash() = default;

bool TfrmSplash::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TfrmSplash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activationWait_.start();
}

void TfrmSplash::FormActivate() {
    activationWait_.stop();
    if (!timer1_.isActive())
        timer1_.start();
}

void TfrmSplash::Timer1Timer() {
    close();
}

} // namespace vorrel
