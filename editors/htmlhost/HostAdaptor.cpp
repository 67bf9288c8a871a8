// SPDX-License-Identifier: MIT
#include "editors/htmlhost/HostAdaptor.h"

#include "ProtocolAdaptor.h"
#include "editors/protocol/HostProtocol.h"

#include <QDBusMessage>
#include <QFileInfo>
#include <QProcess>

namespace htmlhost {

namespace {

void openInBrowser(const QString& path) {
    if (path.isEmpty())
        throw DocumentError("No page to preview was given.");
    if (!path.contains(QLatin1String("://")) && !QFileInfo::exists(path))
        throw DocumentError(
            QStringLiteral("Cannot preview %1: no such file.").arg(path).toStdString());
    if (!QProcess::startDetached(QStringLiteral("xdg-open"), {path}))
        throw DocumentError(QStringLiteral("Cannot preview %1: the desktop's opener xdg-open "
                                           "could not be started.")
                                .arg(path)
                                .toStdString());
}

} // namespace

HostAdaptor::HostAdaptor(Session& session, CallLog& log, QObject* parent)
    : QObject(parent), session_(session), log_(log) {
    new ProtocolAdaptor(this); // owned by this object, which it serves
}

void HostAdaptor::logCall() {
    if (!calledFromDBus())
        return;
    QStringList args;
    for (const QVariant& arg : message().arguments())
        args.append(arg.toString());
    log_.record(message().member(), args);
}

void HostAdaptor::guarded(const std::function<void()>& work) {
    try {
        work();
    } catch (const DocumentError& error) {
        if (calledFromDBus())
            sendErrorReply(QString::fromLatin1(wexdor4::kErrorName),
                           QString::fromStdString(error.what()));
    }
}

void HostAdaptor::put(const QString& text, void (HtmlDocument::*where)(std::string_view)) {
    logCall();
    const std::string bytes = text.toStdString();
    guarded([&] { session_.edit([&](HtmlDocument& document) { (document.*where)(bytes); }); });
}

int HostAdaptor::WM_ISWEXDORRUNNING() {
    logCall();
    return 1;
}

QString HostAdaptor::getworkdir() {
    logCall();
    try {
        return session_.folder().value_or(QString());
    } catch (const NoDocument&) {
        return QString::fromLatin1(wexdor4::kNoDocumentFolder);
    }
}

QString HostAdaptor::isopendoc() {
    logCall();
    return session_.hasDocument() ? QStringLiteral("true") : QStringLiteral("false");
}

void HostAdaptor::opennewfile() {
    logCall();
    session_.openUntitled();
}

void HostAdaptor::forcesave() {
    logCall();
    guarded([&] { session_.forceSave(); });
}

void HostAdaptor::puttextatcursor(const QString& text) {
    put(text, &HtmlDocument::putAtCursor);
}
void HostAdaptor::puttextbody(const QString& text) {
    put(text, &HtmlDocument::putInBody);
}
void HostAdaptor::puttextinbody(const QString& text) {
    put(text, &HtmlDocument::putInBodyTag);
}
void HostAdaptor::puttexthead(const QString& text) {
    put(text, &HtmlDocument::putInHead);
}

void HostAdaptor::copyfiles(const QString& list) {
    logCall();
    guarded([&] { session_.copyIntoFolder(list.toStdString()); });
}

void HostAdaptor::browserpreview(const QString& path) {
    logCall();
    guarded([&] { openInBrowser(path); });
}

} // namespace htmlhost
