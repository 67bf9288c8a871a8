// SPDX-License-Identifier: MIT
#include "support/wayland/GnomeShellDriver.h"

#include "support/wayland/HarnessFiles.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace vorrel::test {

namespace {

const QString kUuid = QStringLiteral("vorrel-harness@vorrel.test");

// A system bus that lets everyone do everything: the shell only needs one to be there.
QByteArray systemBusConfig(const QString& socket) {
    return "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n  <type>system</type>\n  <listen>unix:path=" +
           socket.toUtf8() +
           "</listen>\n  <auth>EXTERNAL</auth>\n"
           "  <policy context=\"default\">\n"
           "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
           "    <allow eavesdrop=\"true\"/>\n    <allow own=\"*\"/>\n  </policy>\n"
           "</busconfig>\n";
}

// Hot corners open the overview when the pointer passes 0,0; animations only slow the tests.
QByteArray settingsKeyfile() {
    return "[org/gnome/desktop/interface]\nenable-hot-corners=false\nenable-animations=false\n\n"
           "[org/gnome/desktop/notifications]\nshow-banners=false\n\n"
           "[org/gnome/shell]\nenabled-extensions=['" +
           kUuid.toUtf8() + "']\n";
}

// A JSON value of any kind, as QJsonDocument reads only arrays and objects.
QJsonValue jsonValue(const QByteArray& json) {
    return QJsonDocument::fromJson("[" + json + "]").array().at(0);
}

} // namespace

QString GnomeShellDriver::prepareFolders(SessionContext& context) {
    const QString config = context.dir.filePath(QStringLiteral("config"));
    const QString extension =
        context.dir.filePath(QStringLiteral("data/gnome-shell/extensions/") + kUuid);
    if (!QDir().mkpath(config + QStringLiteral("/glib-2.0/settings")) ||
        !QDir().mkpath(extension) || !QDir().mkpath(context.dir.filePath("cache")))
        return QStringLiteral("no folders for the shell");
    if (!writeFile(config + QStringLiteral("/glib-2.0/settings/keyfile"), settingsKeyfile()))
        return QStringLiteral("no settings for the shell");
    for (const char* file : {"metadata.json", "extension.js"}) {
        const QString name = QString::fromLatin1(file);
        if (!writeFile(
                extension + '/' + name,
                readFile(context.supportDir + QStringLiteral("/gnome-shell-extension/") + name)))
            return QStringLiteral("the harness's extension could not be put in place");
    }
    return {};
}

QString GnomeShellDriver::start(SessionContext& context) {
    context_ = &context;
    if (const QString failure = prepareFolders(context); !failure.isEmpty())
        return failure;
    const QString systemConfig = context.dir.filePath(QStringLiteral("system-bus.conf"));
    if (!writeFile(systemConfig,
                   systemBusConfig(context.dir.filePath(QStringLiteral("system_bus_socket")))))
        return QStringLiteral("no configuration for the system bus");
    const QString systemAddress = startBus(
        systemBus_, {QStringLiteral("--config-file=") + systemConfig}, context.baseEnvironment());
    if (systemAddress.isEmpty())
        return QStringLiteral("the stand-in system bus did not start");

    static int sessions = 0;
    waylandDisplay_ = QStringLiteral("vorrel-gnome-%1-%2")
                          .arg(QCoreApplication::applicationPid())
                          .arg(++sessions);
    QProcessEnvironment env = context.baseEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), systemAddress);
    env.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), context.dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), context.dir.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), context.dir.filePath(QStringLiteral("cache")));
    if (!shell_.start(QStringLiteral("gnome-shell"),
                      {"--headless", "--wayland", "--virtual-monitor", "1280x720",
                       "--wayland-display", waylandDisplay_},
                      env, QProcess::ForwardedChannels, context.dir.filePath("gnome-shell.log")))
        return QStringLiteral("gnome-shell did not start");

    const bool enabled = QTest::qWaitFor(
        [this] { return eval("typeof vorrelHarness") == "\"object\"" || !shell_.running(); },
        90000);
    if (!enabled || !shell_.running())
        return QStringLiteral("the harness's extension did not come up: ") + shell_.describeExit();
    const auto prepared = eval(QStringLiteral("vorrelHarness.prepare()"));
    const QJsonObject displays =
        prepared ? QJsonDocument::fromJson(jsonValue(*prepared).toString().toUtf8()).object()
                 : QJsonObject();
    xDisplay_ = displays.value("display").toString();
    xAuthority_ = displays.value("xauthority").toString();
    if (xDisplay_.isEmpty())
        return QStringLiteral("the shell has no XWayland");
    if (!QTest::qWaitFor(
            [this] {
                const auto now = state();
                return now && !now->value("overview").toBool();
            },
            10000))
        return QStringLiteral("the overview did not close");
    return {};
}

void GnomeShellDriver::stop() {
    shell_.stop();
    systemBus_.stop();
    context_ = nullptr;
}

std::optional<QByteArray> GnomeShellDriver::eval(const QString& code) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
        QStringLiteral("org.gnome.Shell"), QStringLiteral("Eval"));
    call << code;
    const QDBusMessage reply = context_->bus.call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2 ||
        !reply.arguments().at(0).toBool())
        return std::nullopt;
    return reply.arguments().at(1).toString().toUtf8();
}

std::optional<QJsonObject> GnomeShellDriver::state() {
    const auto json = eval(QStringLiteral("vorrelHarness.state()"));
    if (!json)
        return std::nullopt;
    return QJsonDocument::fromJson(jsonValue(*json).toString().toUtf8()).object();
}

bool GnomeShellDriver::movePointer(QPoint to) {
    return eval(QStringLiteral("vorrelHarness.move(%1, %2)").arg(to.x()).arg(to.y())) == "true";
}

bool GnomeShellDriver::button(int evdevCode, bool pressed) {
    return eval(QStringLiteral("vorrelHarness.button(%1, %2)")
                    .arg(evdevCode)
                    .arg(pressed ? "true" : "false")) == "true";
}

bool GnomeShellDriver::keys(const QList<KeyEvent>& events) {
    for (const KeyEvent& event : events)
        if (eval(QStringLiteral("vorrelHarness.key(%1, %2)")
                     .arg(event.key.evdev)
                     .arg(event.pressed ? "true" : "false")) != "true")
            return false;
    return true;
}

std::optional<QPoint> GnomeShellDriver::pointer() {
    const auto now = state();
    if (!now)
        return std::nullopt;
    const QJsonObject at = now->value("pointer").toObject();
    return QPoint(at.value("x").toInt(), at.value("y").toInt());
}

bool GnomeShellDriver::windowAtPointer() {
    return eval(QStringLiteral("vorrelHarness.windowAtPointer()")) == "true";
}

bool GnomeShellDriver::settled() {
    const auto now = state();
    return now && !now->value("moving").toBool();
}

std::optional<QList<ToplevelWindow>> GnomeShellDriver::windows() {
    const auto now = state();
    if (!now)
        return std::nullopt;
    QList<ToplevelWindow> windows;
    const qint64 shell = shell_.process().processId();
    for (const QJsonValue& value : now->value("windows").toArray()) {
        const QJsonObject w = value.toObject();
        const qint64 pid = qint64(w.value("pid").toDouble());
        // The shell's own stage window is no one's top-level window.
        if (pid == shell)
            continue;
        windows.append({w.value("title").toString(),
                        QRect(w.value("x").toInt(), w.value("y").toInt(), w.value("width").toInt(),
                              w.value("height").toInt()),
                        !w.value("minimized").toBool() && !w.value("hidden").toBool(),
                        w.value("active").toBool(), pid, w.value("x11").toBool()});
    }
    return windows;
}

QImage GnomeShellDriver::screenshot() {
    const QString path = context_->dir.filePath(QStringLiteral("shot-%1.png").arg(++shots_));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell.Screenshot"), QStringLiteral("/org/gnome/Shell/Screenshot"),
        QStringLiteral("org.gnome.Shell.Screenshot"), QStringLiteral("Screenshot"));
    call << false << false << path;
    const QDBusMessage reply = context_->bus.call(call, QDBus::Block, 10000);
    QImage image;
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
        reply.arguments().first().toBool())
        image.load(path);
    QFile::remove(path);
    return image;
}

} // namespace vorrel::test
