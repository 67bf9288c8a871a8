// SPDX-License-Identifier: MIT
// A peer on the session bus for the host link's tests. It can play a host that answers the
// host-running question with a given value, a peer that fails, answers with text or never
// answers, a recording host for method calls, a host whose user takes a while to answer, and a
// crowd of idle connections.
//
//   buspeer [--answer N | --error | --string | --silent] [--own-host-name] [--log FILE]
//           [--reply METHOD=TYPE:VALUE]... [--fail METHOD=MESSAGE]... [--hang METHOD]...
//           [--delay METHOD=MS]... [--reply-after CALL:METHOD=TYPE:VALUE]...
//           [--idle COUNT] [--copies COUNT]
//
// Each logged call is one line: the method, then each argument percent-encoded, tab-separated.
// A hanging method is never answered; a delayed one is answered MS milliseconds after it came
// (as by a host that waits for its user, in a Save As dialog, say). Once CALL has been answered,
// METHOD answers VALUE from then on (an untitled document has a folder once it is saved). TYPE
// is s (text), b (true/false), i (int32), x (int64), d (double) or v (text in a variant). --copies
// adds that many more connections that answer the host-running question the same way (a crowd of
// silent peers, say). It prints "ready <unique name>" once it is on the bus.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFile>
#include <QHash>
#include <QTextStream>
#include <QTimer>

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
    QHash<QString, int> delays;
    QMultiHash<QString, QPair<QString, QVariant>> repliesAfter;

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        log(message);
        const QString method = message.member();
        if (method == "WM_ISWEXDORRUNNING")
            return answerRunning(message, connection);
        if (hanging.contains(method))
            return true; // the caller waits for an answer that never comes
        if (failures.contains(method))
            sendAnswer(method,
                       message.createErrorReply("Wexdor4.Plugin.Error", failures.value(method)),
                       connection);
        else if (replies.contains(method))
            sendAnswer(method, message.createReply(replies.value(method)), connection);
        else
            sendAnswer(method, message.createReply(), connection);
        return true;
    }

private:
    void sendAnswer(const QString& method, const QDBusMessage& reply,
                    const QDBusConnection& connection) {
        const auto send = [this, method, reply, connection] {
            connection.send(reply);
            const auto after = repliesAfter.values(method);
            for (const auto& [laterMethod, value] : after)
                replies.insert(laterMethod, value);
        };
        if (delays.contains(method))
            QTimer::singleShot(delays.value(method), send);
        else
            send();
    }

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
        } else if (arg == "--delay") {
            peer.delays.insert(next.section('=', 0, 0), next.section('=', 1).toInt());
            ++i;
        } else if (arg == "--reply-after") {
            const QString later = next.section(':', 1);
            peer.repliesAfter.insert(next.section(':', 0, 0),
                                     {later.section('=', 0, 0), typedValue(later.section('=', 1))});
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
