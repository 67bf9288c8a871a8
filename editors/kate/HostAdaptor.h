// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QVariant>

#include <deque>
#include <functional>

namespace vorrelkate {

class ActiveDocumentHost;

// The host editor's automation object as the wizard sees it on the bus: the object to register
// at wexdor4::kObjectPath. The protocol's adaptor, generated from Wexdor4.Plugin.xml, serves the
// interface and calls the slot of the same name here, with this object's QDBusContext set.
// Calls are answered one at a time in the order they arrive: a Save As dialog runs an event loop
// of its own, and a call that arrives meanwhile waits until the one before has its reply. A
// failure becomes an error reply with a message the wizard shows.
class HostAdaptor : public QObject, protected QDBusContext {
    Q_OBJECT

public:
    HostAdaptor(ActiveDocumentHost& host, QDBusConnection bus, QObject* parent = nullptr);
    ~HostAdaptor() override;

public Q_SLOTS:
    int WM_ISWEXDORRUNNING();
    QString getworkdir();
    QString isopendoc();
    void opennewfile();
    void forcesave();
    void puttextatcursor(const QString& text);
    void puttextbody(const QString& text);
    void puttextinbody(const QString& text);
    void puttexthead(const QString& text);
    void copyfiles(const QString& list);
    void browserpreview(const QString& path);

private:
    // The work of one call; an invalid QVariant is a reply without a value.
    using Work = std::function<QVariant()>;
    struct Call {
        QDBusMessage message;
        Work work;
    };

    void enqueue(Work work);
    // A call whose reply carries nothing.
    void enqueueAction(std::function<void()> action);
    void answerQueued();
    QDBusMessage answer(const Call& call) const;

    ActiveDocumentHost& host_;
    QDBusConnection bus_;
    std::deque<Call> calls_;
    bool answering_ = false;
};

} // namespace vorrelkate
