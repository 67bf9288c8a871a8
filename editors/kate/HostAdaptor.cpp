// SPDX-License-Identifier: MIT
#include "HostAdaptor.h"

#include "ActiveDocumentHost.h"
#include "ProtocolAdaptor.h"
#include "editors/protocol/HostProtocol.h"

#include <QPointer>

#include <exception>

namespace vorrelkate {

namespace {

QString folderAnswer(const ActiveDocumentHost& host) {
    try {
        return host.folder().value_or(QString());
    } catch (const NoDocument&) {
        return QString::fromLatin1(wexdor4::kNoDocumentFolder);
    }
}

} // namespace

HostAdaptor::HostAdaptor(ActiveDocumentHost& host, QDBusConnection bus, QObject* parent)
    : QObject(parent), host_(host), bus_(std::move(bus)) {
    new ProtocolAdaptor(this); // owned by this object, which it serves
}

HostAdaptor::~HostAdaptor() {
    // A caller waits without a time-out of its own, so no call is left without an answer.
    for (const Call& call : calls_)
        bus_.send(call.message.createErrorReply(
            QString::fromLatin1(wexdor4::kErrorName),
            QStringLiteral("The Vorrel host plugin was switched off in Kate.")));
}

void HostAdaptor::enqueue(Work work) {
    setDelayedReply(true);
    calls_.push_back({message(), std::move(work)});
    QMetaObject::invokeMethod(this, &HostAdaptor::answerQueued, Qt::QueuedConnection);
}

void HostAdaptor::enqueueAction(std::function<void()> action) {
    enqueue([action = std::move(action)] {
        action();
        return QVariant();
    });
}

void HostAdaptor::answerQueued() {
    // Called again from the event loop of a dialog that an earlier call opened: that call
    // answers the ones queued behind it when it is done.
    if (answering_)
        return;
    answering_ = true;
    const QPointer<HostAdaptor> alive(this);
    while (!calls_.empty()) {
        const Call call = calls_.front();
        calls_.pop_front();
        const QDBusConnection bus = bus_;
        const QDBusMessage reply = answer(call);
        bus.send(reply);
        if (!alive) // switched off while a dialog was open
            return;
    }
    answering_ = false;
}

QDBusMessage HostAdaptor::answer(const Call& call) const {
    try {
        const QVariant result = call.work();
        return result.isValid() ? call.message.createReply(result) : call.message.createReply();
    } catch (const std::exception& failure) {
        return call.message.createErrorReply(QString::fromLatin1(wexdor4::kErrorName),
                                             QString::fromUtf8(failure.what()));
    }
}

// Asked by a wizard looking for its host: answered at once, even while a dialog is open.
int HostAdaptor::WM_ISWEXDORRUNNING() {
    return 1;
}

QString HostAdaptor::getworkdir() {
    enqueue([this] { return QVariant(folderAnswer(host_)); });
    return {};
}

QString HostAdaptor::isopendoc() {
    enqueue([this] {
        return QVariant(host_.hasDocument() ? QStringLiteral("true") : QStringLiteral("false"));
    });
    return {};
}

void HostAdaptor::opennewfile() {
    enqueueAction([this] { host_.openNewDocument(); });
}

void HostAdaptor::forcesave() {
    enqueueAction([this] { host_.save(); });
}

void HostAdaptor::puttextatcursor(const QString& text) {
    enqueueAction([this, text] { host_.putAtCursor(text); });
}

void HostAdaptor::puttextbody(const QString& text) {
    enqueueAction([this, text] { host_.put(kit::Place::Body, text); });
}

void HostAdaptor::puttextinbody(const QString& text) {
    enqueueAction([this, text] { host_.put(kit::Place::BodyTag, text); });
}

void HostAdaptor::puttexthead(const QString& text) {
    enqueueAction([this, text] { host_.put(kit::Place::Head, text); });
}

void HostAdaptor::copyfiles(const QString& list) {
    enqueueAction([this, list] { host_.copyFiles(list); });
}

void HostAdaptor::browserpreview(const QString& path) {
    enqueueAction([this, path] { host_.preview(path); });
}

} // namespace vorrelkate
