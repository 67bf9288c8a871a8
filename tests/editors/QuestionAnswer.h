// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

namespace vorrel::test {

// Starts `user`: on the X display `display` it waits for the host's question (a window titled
// "Vorrel", to which Qt may add " — <program>") and answers it with Alt+Y or Alt+N, as its user
// would. A dialog that shows before it takes keys is answered again while it stays. The caller
// kills `user` once the call that may ask is answered.
inline void answerQuestion(QProcess& user, const QString& display, bool yes) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    user.setProcessEnvironment(env);
    user.start(QStringLiteral("sh"),
               {QStringLiteral("-c"),
                QStringLiteral("w=$(xdotool search --sync --onlyvisible --name '^Vorrel' | head "
                               "-n1) || exit 1; "
                               "while xdotool search --onlyvisible --name '^Vorrel' >/dev/null; "
                               "do xdotool windowfocus --sync \"$w\" key --clearmodifiers \"$1\"; "
                               "sleep 0.5; done"),
                QStringLiteral("sh"), yes ? QStringLiteral("alt+y") : QStringLiteral("alt+n")});
}

} // namespace vorrel::test
