// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vorrel::test {

// Writes `text` to `path` and gives it the permissions `permissions`; false when it could not.
inline bool writeFile(const QString& path, const QByteArray& text,
                      QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        return false;
    file.close();
    return file.setPermissions(permissions);
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A shell script that runs `first`, then writes its environment to `path`, whole or not at
// all: a compositor starts it when its displays are ready, with their names in the
// environment.
inline QByteArray environmentReport(const QString& path, const QByteArray& first = {}) {
    const QByteArray quoted = "'" + path.toUtf8() + "'";
    return "#!/bin/sh\n" + first + "env > " + quoted + ".part && mv " + quoted + ".part " + quoted +
           "\n";
}

} // namespace vorrel::test
