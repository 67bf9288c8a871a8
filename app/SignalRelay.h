// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace vorrel {

// Turns SIGTERM and SIGINT into a call on the event loop's thread, so that a program ends in its
// ordinary, orderly way. The signal handler itself only writes to a pipe.
class SignalRelay : public QObject {
    Q_OBJECT

public:
    explicit SignalRelay(std::function<void()> onSignal, QObject* parent = nullptr);
    ~SignalRelay() override;

    // False when the pipe or the handlers could not be set up.
    bool isActive() const { return notifier_ != nullptr; }

private:
    void drain();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vorrel
