// SPDX-License-Identifier: MIT
#include "editors/htmlhost/Session.h"

#include "editors/files/FolderCopy.h"
#include "editors/files/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace htmlhost {

namespace {

// Replaced whole or not at all; a failure's message names the file and the system's reason.
void save(const QString& path, const std::string& bytes) {
    try {
        files::writeWholeFile(path.toStdString(), bytes, "save");
    } catch (const files::FileError& error) {
        throw DocumentError(error.what());
    }
}

[[noreturn]] void fail(const QString& message) {
    throw DocumentError(message.toStdString());
}

} // namespace

void Session::openFile(const QString& path) {
    // Asked before opening: opening a FIFO waits for a writer, and a device such as /dev/zero
    // never ends, so either would keep the host from ever reaching the bus.
    const QFileInfo info(path);
    if (!info.exists())
        fail(QStringLiteral("No such file: %1").arg(path));
    if (info.isDir())
        fail(QStringLiteral("%1 is a folder, not an HTML file").arg(path));
    if (!info.isFile())
        fail(QStringLiteral("%1 is not a regular file").arg(path));
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    document_.emplace(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    path_ = info.absoluteFilePath();
}

void Session::openUntitled() {
    document_.emplace(std::string(HtmlDocument::kUntitled));
    path_.clear();
}

std::optional<QString> Session::folder() const {
    requireDocument();
    if (path_.isEmpty())
        return std::nullopt;
    const QString folder = QFileInfo(path_).absolutePath();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

const HtmlDocument& Session::requireDocument() const {
    if (!document_)
        throw NoDocument();
    return *document_;
}

void Session::edit(const std::function<void(HtmlDocument&)>& change) {
    HtmlDocument changed = requireDocument();
    change(changed);
    if (!path_.isEmpty())
        save(path_, changed.bytes());
    document_ = std::move(changed);
}

void Session::copyIntoFolder(const std::string& list) const {
    requireDocument();
    const QString folder = this->folder().value_or(QString());
    if (folder.isEmpty())
        fail(QStringLiteral("The document has not been saved yet, so it has no folder to copy "
                            "files into."));
    // htmlhost has no user to ask, so a different file of the same name is replaced only when
    // it was started with --replace-pictures.
    try {
        const files::FolderCopy copy(kit::splitFileList(list), folder.toStdString());
        copy.run([this](const files::PlannedCopy&) { return replacePictures_; });
    } catch (const files::FileError& error) {
        throw DocumentError(error.what());
    }
}

void Session::forceSave() {
    const HtmlDocument& document = requireDocument();
    if (path_.isEmpty() && saveAsPath_.isEmpty())
        fail(QStringLiteral("The untitled document cannot be saved: htmlhost was started "
                            "without --save-as."));
    const QString target = path_.isEmpty() ? QFileInfo(saveAsPath_).absoluteFilePath() : path_;
    save(target, document.bytes());
    path_ = target;
}

} // namespace htmlhost
