// A peer on the session bus for the host link's tests. It can play a host that answers the
// host-running question with a given value, a peer that fails, answers with text or never
// answers, a recording host for method calls, and a crowd of idle connections.
//
//   buspeer [--answer N | --error | --string | --silent] [--own-host-name] [--log FILE]
//           [--reply METHOD=TYPE:VALUE]... [--fail METHOD=MESSAGE]... [--hang METHOD]...
//           [--idle COUNT] [--copies COUNT]
//
// Each logged call is one line: the method, then each argument percent-encoded, tab-separated.
// A hanging method is never answered. TYPE is s (text), b (true/false), i (int32), x (int64), d
// (double) or v (text in a variant). --copies adds that many more connections that answer the
// host-running question the same way (a crowd of silent peers, say). It prints "ready <unique
// name>" once it is on the bus.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFile>
#include <QHash>
#include <QTextStream>

#include <cstdio>

namespace {

QVariant typedValue(const QString& typed) {
    const QString type = typed.section(':', 0, 0);
    const QString value = typed.section(':', 1);
    if (type == "b")
        return value == "true";
    if (type == "i")
        return value.toInt();
    if (type == "x")
        return value.toLongLong();
    if (type == "d")
        return value.toDouble();
    if (type == "v")
        return QVariant::fromValue(QDBusVariant(value));
    return value;
}

class Peer : public QDBusVirtualObject {
public:
    QString runningMode = "none"; // answer, error, string, silent, none
    int answer = 0;
    QString logPath;
    QHash<QString, QVariant> replies;
    QHash<QString, QString> failures;
    QStringList hanging;

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        log(message);
        const QString method = message.member();
        if (method == "WM_ISWEXDORRUNNING")
            return answerRunning(message, connection);
        if (hanging.contains(method))
            return true; // the caller waits for an answer that never comes
        if (failures.contains(method))
            return connection.send(
                message.createErrorReply("Wexdor4.Plugin.Error", failures.value(method)));
        if (replies.contains(method))
            return connection.send(message.createReply(replies.value(method)));
        return connection.send(message.createReply());
    }

private:
    bool answerRunning(const QDBusMessage& message, const QDBusConnection& connection) {
        if (runningMode == "answer")
            return connection.send(message.createReply(answer));
        if (runningMode == "string")
            return connection.send(message.createReply(QString("1")));
        if (runningMode == "silent")
            return true; // the caller waits until its time-out
        return connection.send(
            message.createErrorReply("org.freedesktop.DBus.Error.Failed", "not a host"));
    }

    void log(const QDBusMessage& message) {
        if (logPath.isEmpty())
            return;
        QFile file(logPath);
        if (!file.open(QIODevice::Append | QIODevice::Text))
            return;
        QTextStream out(&file);
        out << message.member();
        for (const QVariant& arg : message.arguments())
            out << '\t' << QString::fromLatin1(arg.toString().toUtf8().toPercentEncoding());
        out << '\n';
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "buspeer: no session bus\n");
        return 1;
    }
    Peer peer;
    bool ownHostName = false;
    int idle = 0;
    int copies = 0;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const QString next = i + 1 < args.size() ? args[i + 1] : QString();
        if (arg == "--answer") {
            peer.runningMode = "answer";
            peer.answer = next.toInt();
            ++i;
        } else if (arg == "--error" || arg == "--string" || arg == "--silent") {
            peer.runningMode = arg.mid(2);
        } else if (arg == "--own-host-name") {
            ownHostName = true;
        } else if (arg == "--log") {
            peer.logPath = next;
            ++i;
        } else if (arg == "--reply") {
            peer.replies.insert(next.section('=', 0, 0), typedValue(next.section('=', 1)));
            ++i;
        } else if (arg == "--fail") {
            peer.failures.insert(next.section('=', 0, 0), next.section('=', 1));
            ++i;
        } else if (arg == "--hang") {
            peer.hanging << next;
            ++i;
        } else if (arg == "--idle") {
            idle = next.toInt();
            ++i;
        } else if (arg == "--copies") {
            copies = next.toInt();
            ++i;
        }
    }
    if (peer.runningMode != "none" || ownHostName || !peer.logPath.isEmpty())
        bus.registerVirtualObject("/Wexdor4/Plugin", &peer);
    if (ownHostName && !bus.registerService("Wexdor4.Plugin")) {
        std::fprintf(stderr, "buspeer: Wexdor4.Plugin is taken\n");
        return 1;
    }
    for (int i = 0; i < idle; ++i)
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QString("idle%1").arg(i));
    for (int i = 0; i < copies; ++i)
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QString("copy%1").arg(i))
            .registerVirtualObject("/Wexdor4/Plugin", &peer);
    std::printf("ready %s\n", qPrintable(bus.baseService()));
    std::fflush(stdout);
    return app.exec();
}
