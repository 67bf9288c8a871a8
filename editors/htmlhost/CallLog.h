// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

namespace htmlhost {

// Appends one JSON line per call the host receives, so that a test or a curious user can see
// exactly what the wizard asked for. Each line is on disk before the call is answered.
class CallLog {
public:
    // Without a successful open, record() writes nothing.
    bool open(const QString& path, QString* error);
    void record(const QString& method, const QStringList& args);

private:
    QFile file_;
};

} // namespace htmlhost
