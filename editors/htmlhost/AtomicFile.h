#pragma once

#include <QByteArray>
#include <QString>

namespace htmlhost {

// Replaces (or creates) `path` so that a reader sees either the old file or the whole new one:
// the bytes go to a temporary file in the same folder, which is then renamed over `path`.
// Throws DocumentError naming the file and the system's reason.
void writeAtomically(const QString& path, const QByteArray& bytes);

// Copies `source` to `target` the same way.
void copyAtomically(const QString& source, const QString& target);

} // namespace htmlhost
