// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>

#include <functional>

namespace vorrel {

class ProgramLifetime;

// A bus call whose answer the caller waits for, without stopping the program meanwhile: the
// windows repaint, and posted messages and termination signals are handled, so the program can
// end in order during the wait. What the user clicks or types on the windows meanwhile is
// dropped, so that no handler runs a second time while the first still waits; only the ways out
// of the program (chrome/WayOut.h) take clicks.
//
// `timeoutMs` -1 waits as long as it takes. A call that times out gets the bus's NoReply error.
// Throws Terminated when the program is asked to end before the answer is there.
QDBusMessage callServed(QDBusConnection& bus, const QDBusMessage& call, int timeoutMs,
                        const ProgramLifetime* lifetime);

// The same for several calls sent at once, each with its own time-out of `timeoutMs`. `replied`
// gets each reply as it comes, with the call's index; once it returns true the remaining replies
// are not waited for. Returns when that happened or every call is settled.
void callAllServed(QDBusConnection& bus, const QList<QDBusMessage>& calls, int timeoutMs,
                   const ProgramLifetime* lifetime,
                   const std::function<bool(qsizetype, const QDBusMessage&)>& replied);

// Serves the program's events, with the user's input held back as during a bus call, for up to
// `timeoutMs` or until `done` holds or the program is asked to end. Never throws.
void waitServed(int timeoutMs, const std::function<bool()>& done);

} // namespace vorrel
