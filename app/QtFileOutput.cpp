// SPDX-License-Identifier: MIT
#include "app/QtFileOutput.h"

#include "app/Errors.h"
#include "chrome/QtText.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace vorrel {

namespace {

class SavedFile : public OutputFile {
public:
    explicit SavedFile(const QString& path) : file_(path) {
        // Nothing is ever written through a temporary file into a folder the user did not see.
        file_.setDirectWriteFallback(false);
        // The temporary file would be renamed over a FIFO or a device, so a link to /dev/null
        // would take its place. A link to a regular file is written through.
        if (const QFileInfo existing(path); existing.exists() && !existing.isFile())
            fail(existing.isDir() ? "it is a folder" : "it is not a regular file");
        errno = 0;
        if (!file_.open(QIODevice::WriteOnly))
            fail(reason());
    }

    void write(std::string_view bytes) override {
        errno = 0;
        if (file_.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
            fail(reason());
    }

    void commit() override {
        errno = 0;
        if (!file_.commit())
            fail(reason());
    }

private:
    // Why the last operation failed. A write that fills the disk part way is left by Qt as
    // "Unknown error"; the system's own reason says what happened.
    QString reason() const {
        const int code = errno;
        if (code != 0 && (file_.errorString().isEmpty() ||
                          file_.errorString() == QLatin1String("Unknown error")))
            return QString::fromLocal8Bit(std::strerror(code));
        return file_.errorString();
    }

    [[noreturn]] void fail(const QString& reason) {
        throw FileError("The page file " + toStdString(file_.fileName()) +
                        " could not be written: " + toStdString(reason) + ".");
    }

    QSaveFile file_;
};

} // namespace

PathKind QtFileOutput::kindOf(const std::string& path) {
    const QFileInfo info(toQString(path));
    if (!info.exists())
        return PathKind::None;
    return info.isFile() ? PathKind::Regular : PathKind::Other;
}

std::unique_ptr<OutputFile> QtFileOutput::create(const std::string& path) {
    return std::make_unique<SavedFile>(toQString(path));
}

} // namespace vorrel
