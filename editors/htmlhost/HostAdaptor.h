#pragma once

#include "editors/htmlhost/CallLog.h"
#include "editors/htmlhost/Session.h"

#include <QDBusContext>
#include <QObject>

#include <functional>

namespace htmlhost {

inline constexpr const char* kBusName = "Wexdor4.Plugin";
inline constexpr const char* kObjectPath = "/Wexdor4/Plugin";
inline constexpr const char* kErrorName = "Wexdor4.Plugin.Error";

// The host editor's automation object as the wizard sees it on the bus. It logs each call,
// hands the work to the session and turns a failure into an error reply with its message.
class HostAdaptor : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "Wexdor4.Plugin")

public:
    HostAdaptor(Session& session, CallLog& log, QObject* parent = nullptr)
        : QObject(parent), session_(session), log_(log) {}

public slots:
    Q_SCRIPTABLE int WM_ISWEXDORRUNNING();
    Q_SCRIPTABLE QString getworkdir();
    Q_SCRIPTABLE QString isopendoc();
    Q_SCRIPTABLE void opennewfile();
    Q_SCRIPTABLE void forcesave();
    Q_SCRIPTABLE void puttextatcursor(const QString& text);
    Q_SCRIPTABLE void puttextbody(const QString& text);
    Q_SCRIPTABLE void puttextinbody(const QString& text);
    Q_SCRIPTABLE void puttexthead(const QString& text);
    Q_SCRIPTABLE void copyfiles(const QString& list);
    Q_SCRIPTABLE void browserpreview(const QString& path);

private:
    void logCall();
    void guarded(const std::function<void()>& work);
    void put(const QString& text, void (HtmlDocument::*where)(std::string_view));

    Session& session_;
    CallLog& log_;
};

} // namespace htmlhost
