#pragma once

#include <QObject>

class QSocketNotifier;

namespace vorrel {

class ProgramLifetime;

// Turns SIGTERM and SIGINT into the program's orderly end, on the user-interface thread.
class SignalRelay : public QObject {
    Q_OBJECT

public:
    explicit SignalRelay(ProgramLifetime& lifetime, QObject* parent = nullptr);
    ~SignalRelay() override;

private:
    void drain();

    ProgramLifetime& lifetime_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vorrel
