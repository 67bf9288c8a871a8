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

// Unbuffered, so that a failed write shows at write() with the system's reason (a full disk, a
// file too large); a buffered one would only fail in commit(), which says "Unknown error".
constexpr QIODevice::OpenMode kWriteMode = QIODevice::WriteOnly | QIODevice::Unbuffered;

// Qt reports a write that the system cut short (the disk filled up in the middle) as a short
// count without a reason; writing the rest again fails at once, and with the system's reason.
bool writeAll(QSaveFile& file, const QByteArray& bytes) {
    const char* data = bytes.constData();
    for (qint64 left = bytes.size(); left > 0;) {
        const qint64 written = file.write(data, left);
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

void writeAtomically(const QString& path, const QByteArray& bytes) {
    requireRegularTarget(QStringLiteral("save"), path);
    QSaveFile file(path);
    if (!file.open(kWriteMode))
        fail(QStringLiteral("save"), path, file.errorString());
    if (!writeAll(file, bytes) || !file.commit())
        fail(QStringLiteral("save"), path, file.errorString());
}

void copyAtomically(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        fail(QStringLiteral("read"), source, in.errorString());
    requireRegularTarget(QStringLiteral("write"), target);
    QSaveFile out(target);
    if (!out.open(kWriteMode))
        fail(QStringLiteral("write"), target, out.errorString());
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            fail(QStringLiteral("read"), source, in.errorString());
        if (!writeAll(out, chunk))
            fail(QStringLiteral("write"), target, out.errorString());
    }
    if (!out.commit())
        fail(QStringLiteral("write"), target, out.errorString());
}

} // namespace htmlhost
