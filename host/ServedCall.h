#pragma once

#include <QDBusConnection>
#include <QDBusMessage>

namespace vorrel {

class ProgramLifetime;

// A bus call whose answer the caller waits for, without stopping the program meanwhile: the
// windows repaint, and posted messages and termination signals are handled, so the program can
// end in order during the wait. What the user clicks or types on the windows meanwhile is
// dropped, so that no handler runs a second time while the first still waits.
//
// `timeoutMs` -1 waits as long as it takes. A call that times out gets the bus's NoReply error.
// Throws Terminated when the program is asked to end before the answer is there.
QDBusMessage callServed(QDBusConnection& bus, const QDBusMessage& call, int timeoutMs,
                        const ProgramLifetime* lifetime);

} // namespace vorrel
