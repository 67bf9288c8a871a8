#pragma once

#include <QObject>

class QSocketNotifier;

namespace htmlhost {

// Ends the application's event loop on SIGTERM or SIGINT, so the host leaves the bus in the
// ordinary way. The signal handler only writes to a pipe; the quit happens in the loop.
class QuitOnSignal : public QObject {
    Q_OBJECT

public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

    // False when the pipe or the handlers could not be set up.
    bool isActive() const { return notifier_ != nullptr; }

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace htmlhost
