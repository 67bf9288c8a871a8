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

inline constexpr const char* kBusName = "Wexdor4.Plugin";
inline constexpr const char* kObjectPath = "/Wexdor4/Plugin";
inline constexpr const char* kErrorName = "Wexdor4.Plugin.Error";

// The host editor's automation object as the wizard sees it on the bus. Calls are answered one
// at a time in the order they arrive: a Save As dialog runs an event loop of its own, and a call
// that arrives meanwhile waits until the one before has its reply. A failure becomes an error
// reply with a message the wizard shows.
class HostAdaptor : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "Wexdor4.Plugin")

public:
    HostAdaptor(ActiveDocumentHost& host, QDBusConnection bus, QObject* parent = nullptr);
    ~HostAdaptor() override;

public Q_SLOTS:
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
