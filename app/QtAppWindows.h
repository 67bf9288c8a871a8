#pragma once

#include "app/Platform.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace vorrel {

class ProgramLifetime;

// Minimises the program's visible windows and brings back exactly those. When they come back
// again soon after they last did (a host that asks to save over and over), they stay on the
// screen for a moment, so that their user can still reach Cancel or the close box.
class QtAppWindows : public AppWindows {
public:
    // `lifetime`, when given: a program that is ending does not stop for its windows.
    explicit QtAppWindows(const ProgramLifetime* lifetime = nullptr) : lifetime_(lifetime) {
        lastRestore_.start();
    }
    void minimize() override;
    void restore() override;

private:
    const ProgramLifetime* lifetime_;
    QList<QPointer<QWidget>> minimized_;
    QElapsedTimer lastRestore_;
    bool restoredBefore_ = false;
};

} // namespace vorrel
