// SPDX-License-Identifier: MIT
#include "editors/htmlhost/CallLog.h"

#include "editors/htmlhost/LogLine.h"

#include <cstdio>

namespace htmlhost {

bool CallLog::open(const QString& path, QString* error) {
    file_.setFileName(path);
    // Unbuffered, record() hands each whole line to the system in a single write, so nothing
    // waits in a buffer and a reader of the growing log never meets half a line.
    if (file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return true;
    *error = file_.errorString();
    return false;
}

void CallLog::record(const QString& method, const QStringList& args) {
    if (!file_.isOpen())
        return;
    std::vector<std::string> texts;
    for (const QString& arg : args)
        texts.push_back(arg.toStdString());
    const std::string line = logLine(method.toStdString(), texts) + '\n';
    if (file_.write(line.data(), static_cast<qint64>(line.size())) !=
        static_cast<qint64>(line.size()))
        std::fprintf(stderr, "htmlhost: cannot write to the log %s: %s\n",
                     qPrintable(file_.fileName()), qPrintable(file_.errorString()));
}

} // namespace htmlhost
