// SPDX-License-Identifier: MIT
#include "host/DBusHostLink.h"
#include "app/Errors.h"
#include "host/DBusDirectory.h"
#include "host/DBusReplyText.h"
#include "support/BusPeerProcess.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorrel;
using vorrel::test::BusPeers;

namespace {
// The real bus, with the connections to ask put in the order the test needs.
class OrderedDirectory : public DBusDirectory {
public:
    OrderedDirectory(QDBusConnection bus, std::vector<std::string> order)
        : DBusDirectory(bus), order_(std::move(order)) {}
    std::optional<std::string> ownerOf(const std::string&) override { return std::nullopt; }
    std::vector<std::string> names() override { return order_; }

private:
    std::vector<std::string> order_;
};

QStringList loggedCalls(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList calls;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        QStringList fields;
        for (const QByteArray& field : line.split('\t'))
            fields << QString::fromUtf8(QByteArray::fromPercentEncoding(field));
        calls << fields.join('|');
    }
    return calls;
}
} // namespace

class DBusHostLinkTest : public QObject {
    Q_OBJECT

    BusPeers peers;
    QDBusConnection bus = QDBusConnection::sessionBus();

    QString startPeer(const QStringList& args) {
        const QString name = peers.start(args);
        if (name.isEmpty())
            qWarning() << "peer did not start:" << args;
        return name;
    }

private slots:
    void initTestCase() { QVERIFY2(bus.isConnected(), "the test needs a private session bus"); }
    void cleanup() { peers.clear(); }

    void replyValuesBecomeText() {
        QCOMPARE(replyText(QString("C:/work/")), std::optional<std::string>("C:/work/"));
        QCOMPARE(replyText(QString::fromUtf8("Grüße")), std::optional<std::string>("Grüße"));
        QCOMPARE(replyText(true), std::optional<std::string>("true"));
        QCOMPARE(replyText(false), std::optional<std::string>("false"));
        QCOMPARE(replyText(-17), std::optional<std::string>("-17"));
        QCOMPARE(replyText(QVariant::fromValue(qulonglong(18446744073709551615ULL))),
                 std::optional<std::string>("18446744073709551615"));
        QCOMPARE(replyText(2.5), std::optional<std::string>("2.5"));
        QCOMPARE(replyText(1e21), std::optional<std::string>("1000000000000000000000"));
        QCOMPARE(replyText(QVariant::fromValue(QDBusVariant(QVariant(QString("inner"))))),
                 std::optional<std::string>("inner"));
        QCOMPARE(replyText(QVariant::fromValue(QDBusObjectPath("/a/b"))),
                 std::optional<std::string>("/a/b"));
        QCOMPARE(replyText(QVariant(QStringList{"a"})), std::nullopt);

        QCOMPARE(replyInteger(QString("1")), std::nullopt);
        QCOMPARE(replyInteger(QVariant::fromValue(QDBusVariant(QVariant(7)))),
                 std::optional<long long>(7));
        QCOMPARE(replyInteger(QVariant::fromValue(qint64(-1))), std::optional<long long>(-1));
    }

    void hostIsFoundAmongPeersThatAreNot() {
        for (const QStringList& args :
             {QStringList{"--answer", "0"}, QStringList{"--answer", "-3"}, QStringList{"--error"},
              QStringList{"--string"}, QStringList{"--idle", "3"}})
            QVERIFY(!startPeer(args).isEmpty());
        DBusHostLink link(bus);
        QVERIFY(!link.wexdorRunning());

        QVERIFY(!startPeer({"--answer", "1"}).isEmpty());
        QVERIFY(link.wexdorRunning());
    }

    void aPeerThatNeverAnswersIsWaitedForThenTheSearchGoesOn() {
        const QString silent = startPeer({"--silent"});
        const QString zero = startPeer({"--answer", "0"});
        const QString host = startPeer({"--answer", "1"});
        QVERIFY(!silent.isEmpty() && !zero.isEmpty() && !host.isEmpty());

        OrderedDirectory directory(bus,
                                   {silent.toStdString(), zero.toStdString(), host.toStdString()});
        QElapsedTimer timer;
        timer.start();
        QVERIFY(findRunningHost(directory));
        QVERIFY2(timer.elapsed() >= 2000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY2(timer.elapsed() < 4000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(directory.askIsRunning(zero.toStdString()), std::optional<long long>(0));
    }

    // Ten connections that never answer and fifty idle ones: each is asked once, all at once, so
    // the silent ones cost one time-out together rather than one each.
    void aCrowdOfSilentAndIdleConnectionsHidesNoHostAndInventsNone() {
        QVERIFY(!startPeer({"--silent", "--copies", "9"}).isEmpty());
        QVERIFY(!startPeer({"--idle", "50"}).isEmpty());
        DBusHostLink link(bus);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!link.wexdorRunning());
        QVERIFY2(timer.elapsed() < 4000, qPrintable(QString::number(timer.elapsed())));

        QVERIFY(!startPeer({"--answer", "0", "--idle", "2"}).isEmpty());
        QVERIFY(!startPeer({"--answer", "1"}).isEmpty());
        QVERIFY(link.wexdorRunning());
    }

    void theOwnerOfTheHostNameIsAskedFirst() {
        const QString host = startPeer({"--own-host-name", "--answer", "5"});
        QVERIFY(!host.isEmpty());
        DBusDirectory directory(bus);
        const auto order = hostCandidates(directory);
        QVERIFY(!order.empty());
        QCOMPARE(QString::fromStdString(order.front()), host);
    }

    void callsReachTheHostWithTheirNamesAndArguments() {
        QTemporaryDir dir;
        const QString log = dir.filePath("calls.log");
        QVERIFY(!startPeer({"--own-host-name", "--answer", "1", "--log", log, "--reply",
                            "isopendoc=s:true", "--reply", "getworkdir=s:/home/user/site/"})
                     .isEmpty());
        DBusHostLink link(bus);
        auto host = link.connect();
        QCOMPARE(host->call("isopendoc"), std::string("true"));
        QCOMPARE(host->call("getworkdir"), std::string("/home/user/site/"));
        const std::string text = "<SCRIPT>\r\nvar a=\"Grüße & 'x'\";\r\n</SCRIPT>";
        QCOMPARE(host->call("puttexthead", {text}), std::string());
        QCOMPARE(host->call("copyfiles", {"/a/b1.gif;/a/b2.gif;"}), std::string());
        QCOMPARE(loggedCalls(log), (QStringList{"isopendoc", "getworkdir",
                                                "puttexthead|" + QString::fromStdString(text),
                                                "copyfiles|/a/b1.gif;/a/b2.gif;"}));
    }

    void resultsOfOtherTypesAreTurnedIntoText() {
        QVERIFY(!startPeer({"--own-host-name", "--reply", "isopendoc=b:false", "--reply",
                            "getworkdir=i:42", "--reply", "forcesave=d:0.25", "--reply",
                            "opennewfile=v:wrapped"})
                     .isEmpty());
        DBusHostLink link(bus);
        auto host = link.connect();
        QCOMPARE(host->call("isopendoc"), std::string("false"));
        QCOMPARE(host->call("getworkdir"), std::string("42"));
        QCOMPARE(host->call("forcesave"), std::string("0.25"));
        QCOMPARE(host->call("opennewfile"), std::string("wrapped"));
    }

    void aHostErrorCarriesTheHostsOwnMessage() {
        QVERIFY(!startPeer({"--own-host-name", "--fail", "puttexthead=There is no </head> tag."})
                     .isEmpty());
        DBusHostLink link(bus);
        auto host = link.connect();
        try {
            host->call("puttexthead", {"x"});
            QFAIL("the failing call did not throw");
        } catch (const HostError& error) {
            QCOMPARE(QString::fromUtf8(error.what()), QString("There is no </head> tag."));
        }
    }

    void aHostThatHasGoneAwayFailsAtOnce() {
        QVERIFY(!startPeer({"--own-host-name"}).isEmpty());
        DBusHostLink link(bus);
        auto host = link.connect();
        peers.clear();
        QTRY_VERIFY(!bus.interface()->isServiceRegistered("Wexdor4.Plugin").value());
        QElapsedTimer timer;
        timer.start();
        QVERIFY_THROWS_EXCEPTION(HostError, host->call("isopendoc"));
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY_THROWS_EXCEPTION(HostError, link.connect());
    }

    void withoutAnySessionBusThereIsNoHost() {
        QDBusConnection none =
            QDBusConnection::connectToBus(QString("unix:path=/nonexistent/bus"), "nobus");
        QVERIFY(!none.isConnected());
        DBusHostLink link(none);
        QVERIFY(!link.wexdorRunning());
        QVERIFY_THROWS_EXCEPTION(HostError, link.connect());
    }
};

QTEST_MAIN(DBusHostLinkTest)
#include "DBusHostLinkTest.moc"
