// SPDX-License-Identifier: MIT
#include "support/wayland/KWinDriver.h"

#include "support/wayland/HarnessFiles.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorrel::test {

namespace {

const QString kKWin = QStringLiteral("org.kde.KWin");

// XWayland puts its socket there, and does not make the folder itself.
bool ensureX11SocketFolder() {
    const QString folder = QStringLiteral("/tmp/.X11-unix");
    if (QFileInfo(folder).isDir())
        return true;
    return QDir().mkpath(folder) && ::chmod(folder.toLocal8Bit().constData(), 01777) == 0;
}

// Reads from `fd`, while the event loop runs, until `enough` says the data is whole.
QByteArray readFrom(int fd, const std::function<bool(const QByteArray&)>& enough, int timeoutMs) {
    QByteArray data;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    const bool whole = QTest::qWaitFor(
        [&] {
            char buffer[65536];
            ssize_t n;
            while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
                data.append(buffer, n);
            return enough(data);
        },
        timeoutMs);
    return whole ? data : QByteArray();
}

} // namespace

QString KWinDriver::start(SessionContext& context) {
    context_ = &context;
    if (!ensureX11SocketFolder())
        return QStringLiteral("no /tmp/.X11-unix for XWayland");
    // Debian's binary carries a file capability, which exec refuses in a container; a plain
    // copy runs.
    const QString binary = context.dir.filePath(QStringLiteral("kwin_wayland"));
    if (!QFile::copy(QStringLiteral("/usr/bin/kwin_wayland"), binary))
        return QStringLiteral("kwin_wayland could not be copied");
    const QString envFile = context.dir.filePath(QStringLiteral("kwin-env"));
    const QString report = context.dir.filePath(QStringLiteral("report-env.sh"));
    if (!writeFile(report, environmentReport(envFile),
                   QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return QStringLiteral("no script to report the displays");

    static int sessions = 0;
    const QString socket =
        QStringLiteral("vorrel-kwin-%1-%2").arg(QCoreApplication::applicationPid()).arg(++sessions);
    QProcessEnvironment env = context.baseEnvironment();
    env.insert(QStringLiteral("KWIN_WAYLAND_NO_PERMISSION_CHECKS"), QStringLiteral("1"));
    env.insert(QStringLiteral("KWIN_SCREENSHOT_NO_PERMISSION_CHECKS"), QStringLiteral("1"));
    for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QString path = context.dir.filePath(QString::fromLatin1(folder).toLower());
        QDir().mkpath(path);
        env.insert(QString::fromLatin1(folder), path);
    }
    // KWin starts the report once its Wayland socket and its XWayland are ready.
    if (!kwin_.start(binary,
                     {"--virtual", "--xwayland", "--width", "1280", "--height", "720", "--socket",
                      socket, "--no-lockscreen", "--no-global-shortcuts", "--no-kactivities",
                      report},
                     env, QProcess::ForwardedChannels, context.dir.filePath("kwin.log")))
        return QStringLiteral("kwin_wayland did not start");
    const QProcessEnvironment displays =
        waitForEnvironmentFile(envFile, 60000, [this] { return kwin_.running(); });
    waylandDisplay_ = displays.value(QStringLiteral("WAYLAND_DISPLAY"));
    xDisplay_ = displays.value(QStringLiteral("DISPLAY"));
    xAuthority_ = displays.value(QStringLiteral("XAUTHORITY"));
    if (waylandDisplay_.isEmpty() || xDisplay_.isEmpty())
        return QStringLiteral("no displays reported: ") + kwin_.describeExit();

    if (!context.bus.registerObject(QStringLiteral("/harness"), &reports_,
                                    QDBusConnection::ExportAllSlots))
        return QStringLiteral("the harness's object could not be put on the bus");
    if (!QTest::qWaitFor([this] { return query().has_value() || !kwin_.running(); }, 30000) ||
        !kwin_.running())
        return QStringLiteral("KWin's scripts do not answer: ") + kwin_.describeExit();

    QProcessEnvironment inputEnv = context.baseEnvironment();
    inputEnv.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay_);
    if (input_.start(QStringLiteral(VORREL_KWIN_FAKE_INPUT), {}, inputEnv) != "ready 4")
        return QStringLiteral("KWin's fake input is not there (version 4 is needed)");
    return {};
}

void KWinDriver::stop() {
    input_.stop();
    if (context_)
        context_->bus.unregisterObject(QStringLiteral("/harness"));
    kwin_.stop();
    context_ = nullptr;
}

std::optional<QByteArray> KWinDriver::query() {
    const int number = ++queries_;
    const QString path = context_->dir.filePath(QStringLiteral("query-%1.js").arg(number));
    const QString plugin = QStringLiteral("vorrel-query-%1").arg(number);
    QByteArray script = readFile(context_->supportDir + QStringLiteral("/kwin-windows.js"));
    script.replace("@SERVICE@", context_->bus.baseService().toUtf8());
    script.replace("@QUERY@", QByteArray::number(number));
    if (!writeFile(path, script))
        return std::nullopt;
    QDBusMessage load = QDBusMessage::createMethodCall(kKWin, QStringLiteral("/Scripting"),
                                                       QStringLiteral("org.kde.kwin.Scripting"),
                                                       QStringLiteral("loadScript"));
    load << path << plugin;
    const QDBusMessage loaded = context_->bus.call(load, QDBus::Block, 5000);
    std::optional<QByteArray> answer;
    if (loaded.type() == QDBusMessage::ReplyMessage && !loaded.arguments().isEmpty() &&
        loaded.arguments().first().toInt() >= 0) {
        // KWin 5.27 puts each loaded script on the bus under its number.
        const QString object = QStringLiteral("/%1").arg(loaded.arguments().first().toInt());
        context_->bus.call(QDBusMessage::createMethodCall(kKWin, object,
                                                          QStringLiteral("org.kde.kwin.Script"),
                                                          QStringLiteral("run")),
                           QDBus::Block, 5000);
        if (QTest::qWaitFor([&] { return reports_.answered >= number; }, 5000) &&
            reports_.answered == number)
            answer = reports_.json;
    }
    QDBusMessage unload = QDBusMessage::createMethodCall(kKWin, QStringLiteral("/Scripting"),
                                                         QStringLiteral("org.kde.kwin.Scripting"),
                                                         QStringLiteral("unloadScript"));
    unload << plugin;
    context_->bus.call(unload, QDBus::Block, 5000);
    QFile::remove(path);
    return answer;
}

std::optional<QPoint> KWinDriver::pointer() {
    const auto json = query();
    if (!json)
        return std::nullopt;
    const QJsonObject at = QJsonDocument::fromJson(*json).object().value("pointer").toObject();
    return QPoint(at.value("x").toInt(), at.value("y").toInt());
}

bool KWinDriver::settled() {
    const auto json = query();
    return json && !QJsonDocument::fromJson(*json).object().value("moving").toBool();
}

std::optional<QList<ToplevelWindow>> KWinDriver::windows() {
    const auto json = query();
    if (!json)
        return std::nullopt;
    QList<ToplevelWindow> windows;
    for (const QJsonValue& value :
         QJsonDocument::fromJson(*json).object().value("windows").toArray()) {
        const QJsonObject w = value.toObject();
        windows.append({w.value("title").toString(),
                        QRect(w.value("x").toInt(), w.value("y").toInt(), w.value("width").toInt(),
                              w.value("height").toInt()),
                        !w.value("minimized").toBool() && !w.value("hidden").toBool(),
                        w.value("active").toBool(), qint64(w.value("pid").toDouble()),
                        w.value("x11").toBool()});
    }
    return windows;
}

QImage KWinDriver::screenshot() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return {};
    QDBusMessage capture = QDBusMessage::createMethodCall(
        kKWin, QStringLiteral("/org/kde/KWin/ScreenShot2"),
        QStringLiteral("org.kde.KWin.ScreenShot2"), QStringLiteral("CaptureArea"));
    capture << 0 << 0 << 1280u << 720u << QVariantMap{{"native-resolution", true}}
            << QVariant::fromValue(QDBusUnixFileDescriptor(fds[1]));
    ::close(fds[1]);
    // KWin answers with the image's size and format, then writes its pixels into the pipe.
    QDBusPendingCall pending = context_->bus.asyncCall(capture, 10000);
    QVariantMap results;
    const QByteArray data = readFrom(
        fds[0],
        [&](const QByteArray& got) {
            if (!pending.isFinished())
                return false;
            const QDBusMessage reply = pending.reply();
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
                return true;
            results = qdbus_cast<QVariantMap>(reply.arguments().first());
            return got.size() >=
                   results.value("stride").toLongLong() * results.value("height").toLongLong();
        },
        10000);
    ::close(fds[0]);
    const int width = results.value("width").toInt();
    const int height = results.value("height").toInt();
    const int stride = results.value("stride").toInt();
    const auto format = QImage::Format(results.value("format").toInt());
    if (width <= 0 || height <= 0 || data.size() < qsizetype(stride) * height)
        return {};
    return QImage(reinterpret_cast<const uchar*>(data.constData()), width, height, stride, format)
        .copy();
}

} // namespace vorrel::test
