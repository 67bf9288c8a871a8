// SPDX-License-Identifier: MIT
#pragma once

#include "support/wayland/CompositorDriver.h"
#include "support/wayland/ProcessGroup.h"

#include <QByteArray>
#include <QList>
#include <QPoint>

namespace vorrel::test {

// One of the harness's small input clients of the compositor (kwin-fake-input,
// virtual-input): commands go in a line each, and each is answered once the compositor has
// taken it.
class InputClient {
public:
    // Starts `program` and waits for its "ready" line; that line, or an empty one when it did
    // not come.
    QByteArray start(const QString& program, const QStringList& args,
                     const QProcessEnvironment& env);
    void stop() { process_.stop(); }
    // Sends one command; true once the client has answered that it was taken.
    bool send(const QByteArray& command);

    // The commands both clients take.
    bool movePointer(QPoint to);
    bool button(int evdevCode, bool pressed);
    bool keys(const QList<KeyEvent>& events);

private:
    ProcessGroup process_;
};

} // namespace vorrel::test
