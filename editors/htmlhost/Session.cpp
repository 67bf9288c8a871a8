#include "editors/htmlhost/Session.h"

#include "editors/htmlhost/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace htmlhost {

namespace {

QByteArray toBytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
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
        writeAtomically(path_, toBytes(changed.bytes()));
    document_ = std::move(changed);
}

void Session::copyIntoFolder(const std::string& list) const {
    requireDocument();
    const QString folder = this->folder().value_or(QString());
    if (folder.isEmpty())
        fail(QStringLiteral("The document has not been saved yet, so it has no folder to copy "
                            "files into."));
    // Every source is checked before the first copy, so that a bad list copies nothing.
    QList<QFileInfo> sources;
    for (const std::string& path : kit::splitFileList(list)) {
        const QFileInfo source(QString::fromStdString(path));
        if (!source.isFile())
            fail(QStringLiteral("Cannot copy %1: no such file.").arg(source.filePath()));
        sources.append(source);
    }
    for (const QFileInfo& source : sources)
        copyAtomically(source.absoluteFilePath(), folder + source.fileName());
}

void Session::forceSave() {
    const HtmlDocument& document = requireDocument();
    if (path_.isEmpty() && saveAsPath_.isEmpty())
        fail(QStringLiteral("The untitled document cannot be saved: htmlhost was started "
                            "without --save-as."));
    const QString target = path_.isEmpty() ? QFileInfo(saveAsPath_).absoluteFilePath() : path_;
    writeAtomically(target, toBytes(document.bytes()));
    path_ = target;
}

} // namespace htmlhost
