// SPDX-License-Identifier: MIT
#pragma once

#include "editors/htmlhost/CallLog.h"
#include "editors/htmlhost/Session.h"

#include <QDBusContext>
#include <QObject>

#include <functional>

namespace htmlhost {

// The host editor's automation object as the wizard sees it on the bus: the object to register
// at wexdor4::kObjectPath. The protocol's adaptor, generated from Wexdor4.Plugin.xml, serves the
// interface and calls the slot of the same name here. Each slot logs the call, hands the work to
// the session and turns its outcome into the protocol's answer, a failure into an error reply
// with its message.
class HostAdaptor : public QObject, protected QDBusContext {
    Q_OBJECT

public:
    HostAdaptor(Session& session, CallLog& log, QObject* parent = nullptr);

public slots:
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
    void logCall();
    void guarded(const std::function<void()>& work);
    void put(const QString& text, void (HtmlDocument::*where)(std::string_view));

    Session& session_;
    CallLog& log_;
};

} // namespace htmlhost
