// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QTimer>

#include <memory>

namespace Ui {
class TfrmSplash;
}

namespace vorrel {

// The splash: the product picture, centred, with no frame, shown modally. It closes itself two
// seconds after it becomes the active window; a window system that never makes it active
// (offscreen, some Wayland compositors) does not keep it up, as the time then starts anyway.
class TfrmSplash : public QDialog {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2000;

    explicit TfrmSplash(QWidget* parent = nullptr);
    ~TfrmSplash() override;

    const QTimer& Timer1() const { return timer1_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void Timer1Timer();

    std::unique_ptr<Ui::TfrmSplash> ui;
    QTimer timer1_;
    // Starts the time when the window system has not activated the splash by then.
    QTimer activationWait_;
};

} // namespace vorrel
