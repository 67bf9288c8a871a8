// SPDX-License-Identifier: MIT
#include "support/wayland/SwayDriver.h"

#include "support/wayland/HarnessFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace vorrel::test {

namespace {

// sway's XWayland runs as nobody and lets in no one else: the tests, as root, are let in.
const QByteArray kLetRootIn = "xhost +si:localuser:root >/dev/null\n";

// Every window in sway's tree, tiled or floating.
void collectWindows(const QJsonObject& node, QList<ToplevelWindow>& windows) {
    if (node.contains("pid") &&
        (node.value("type") == "con" || node.value("type") == "floating_con")) {
        const QJsonObject r = node.value("rect").toObject();
        windows.append({node.value("name").toString(),
                        QRect(r.value("x").toInt(), r.value("y").toInt(), r.value("width").toInt(),
                              r.value("height").toInt()),
                        node.value("visible").toBool(), node.value("focused").toBool(),
                        qint64(node.value("pid").toDouble()),
                        node.value("shell").toString() == "xwayland"});
    }
    for (const char* children : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node.value(QLatin1String(children)).toArray())
            collectWindows(child.toObject(), windows);
}

bool giveTo(const QString& path, uid_t user, gid_t group) {
    return ::chown(path.toLocal8Bit().constData(), user, group) == 0;
}

} // namespace

QString SwayDriver::start(SessionContext& context) {
    context_ = &context;
    const passwd* nobody = ::getpwnam("nobody");
    const group* nogroup = ::getgrnam("nogroup");
    if (!nobody || !nogroup)
        return QStringLiteral("no user nobody to run sway as");
    swayDir_ = std::make_unique<QTemporaryDir>();
    const QString dir = swayDir_->path();
    const QString runtime = dir + QStringLiteral("/runtime");
    const QString envFile = dir + QStringLiteral("/env");
    const QString report = dir + QStringLiteral("/report-env.sh");
    const QString config = dir + QStringLiteral("/config");
    const QByteArray configText = "xwayland enable\n"
                                  "output HEADLESS-1 resolution 1280x720 position 0 0\n"
                                  "exec /bin/sh " +
                                  report.toUtf8() + "\n";
    const auto readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther;
    if (!QDir().mkpath(runtime) || !writeFile(config, configText, readable) ||
        !writeFile(report, environmentReport(envFile, kLetRootIn), readable) ||
        !giveTo(dir, nobody->pw_uid, nogroup->gr_gid) ||
        !giveTo(runtime, nobody->pw_uid, nogroup->gr_gid) ||
        !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return QStringLiteral("no folder for sway");

    QProcessEnvironment env = context.baseEnvironment();
    // sway does not use the session bus, and nobody may not connect to root's.
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.insert(QStringLiteral("HOME"), dir);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir);
    env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    if (!sway_.start(QStringLiteral("setpriv"),
                     {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                      // The change of user clears the signal the harness set for its death.
                      "--pdeathsig", "KILL", "sway", "-c", config},
                     env, QProcess::ForwardedChannels, context.dir.filePath("sway.log")))
        return QStringLiteral("sway did not start");
    const QProcessEnvironment reported =
        waitForEnvironmentFile(envFile, 30000, [this] { return sway_.running(); });
    const QString socket = reported.value(QStringLiteral("WAYLAND_DISPLAY"));
    xDisplay_ = reported.value(QStringLiteral("DISPLAY"));
    ipcSocket_ = reported.value(QStringLiteral("SWAYSOCK"));
    if (socket.isEmpty() || xDisplay_.isEmpty() || ipcSocket_.isEmpty())
        return QStringLiteral("no displays reported: ") + sway_.describeExit();
    // A full path, so that clients keep the session's runtime folder.
    waylandDisplay_ = socket.startsWith('/') ? socket : runtime + '/' + socket;
    if (!QTest::qWaitFor([this] { return windows().has_value() || !sway_.running(); }, 10000) ||
        !sway_.running())
        return QStringLiteral("sway does not answer swaymsg: ") + sway_.describeExit();
    if (input_.start(QStringLiteral(VORREL_VIRTUAL_INPUT), {"1280", "720"}, clientEnvironment())
            .isEmpty())
        return QStringLiteral("no virtual pointer and keyboard");
    const auto hasKeyboard = [this] {
        const auto inputs =
            run(QStringLiteral("swaymsg"), {"-s", ipcSocket_, "-t", "get_inputs", "-r"});
        return inputs && inputs->contains("\"keyboard\"");
    };
    if (!QTest::qWaitFor(hasKeyboard, 10000))
        return QStringLiteral("the seat got no keyboard");
    return {};
}

void SwayDriver::stop() {
    input_.stop();
    sway_.stop();
    swayDir_.reset();
    context_ = nullptr;
}

QProcessEnvironment SwayDriver::clientEnvironment() const {
    QProcessEnvironment env = context_->baseEnvironment();
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay_);
    env.insert(QStringLiteral("SWAYSOCK"), ipcSocket_);
    return env;
}

std::optional<QByteArray> SwayDriver::run(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessEnvironment(clientEnvironment());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, args);
    if (!process.waitForStarted(5000))
        return std::nullopt;
    QByteArray output;
    const bool ended = QTest::qWaitFor(
        [&] {
            output += process.readAllStandardOutput();
            return process.state() == QProcess::NotRunning;
        },
        10000);
    output += process.readAllStandardOutput();
    if (!ended) {
        process.kill();
        process.waitForFinished(2000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return output;
}

QImage SwayDriver::screenshot() {
    const auto png = run(QStringLiteral("grim"), {QStringLiteral("-")});
    return png ? QImage::fromData(*png, "PNG") : QImage();
}

std::optional<QList<ToplevelWindow>> SwayDriver::windows() {
    const auto tree = run(QStringLiteral("swaymsg"), {"-s", ipcSocket_, "-t", "get_tree", "-r"});
    if (!tree)
        return std::nullopt;
    QList<ToplevelWindow> windows;
    collectWindows(QJsonDocument::fromJson(*tree).object(), windows);
    return windows;
}

} // namespace vorrel::test
