#include "editors/htmlhost/AtomicFile.h"

#include "editors/htmlhost/HtmlDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace htmlhost {

namespace {

[[noreturn]] void fail(const QString& what, const QString& path, const QString& reason) {
    throw DocumentError(QStringLiteral("Cannot %1 %2: %3").arg(what, path, reason).toStdString());
}

// QSaveFile renames its temporary file over the target, which would put a plain file in the
// place of a FIFO or a device node (even /dev/null, for a host run as root) instead of writing
// to it, so such a target is refused. A symbolic link counts as what it points to.
void requireRegularTarget(const QString& what, const QString& path) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        fail(what, path, QStringLiteral("not a regular file"));
}

} // namespace

void writeAtomically(const QString& path, const QByteArray& bytes) {
    requireRegularTarget(QStringLiteral("save"), path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("save"), path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("save"), path, file.errorString());
}

void copyAtomically(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        fail(QStringLiteral("read"), source, in.errorString());
    requireRegularTarget(QStringLiteral("write"), target);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        fail(QStringLiteral("write"), target, out.errorString());
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            fail(QStringLiteral("read"), source, in.errorString());
        if (out.write(chunk) != chunk.size())
            fail(QStringLiteral("write"), target, out.errorString());
    }
    if (!out.commit())
        fail(QStringLiteral("write"), target, out.errorString());
}

} // namespace htmlhost
