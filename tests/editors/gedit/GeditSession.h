// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/EndProcess.h"

#include "support/XvfbDisplay.h"

namespace vorrel::test {

// The real gedit with the Vorrel plugin enabled, on an X server of its own (Xvfb picks a free
// display) and the test's session bus. Its settings are a keyfile in a fresh configuration
// folder, and its user plug-in folder is the build's, so nothing of the user's is read or
// changed. The plugin folder comes from VORREL_GEDIT_PLUGINS.
class GeditSession {
public:
    ~GeditSession() { stop(); }

    // Starts gedit with `arguments` (files, "+LINE:COLUMN") and waits until its plugin owns the
    // host's bus name. Empty on success, else what went wrong.
    QString start(const QStringList& arguments) {
        if (!home_.isValid())
            return QStringLiteral("no temporary folder");
        if (xvfb_.start().isEmpty())
            return QStringLiteral("Xvfb did not start");
        writeSettings();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", xvfb_.display());
        env.insert("GDK_BACKEND", "x11");
        env.remove("WAYLAND_DISPLAY");
        env.insert("GSETTINGS_BACKEND", "keyfile");
        env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        env.insert("XDG_DATA_HOME", home_.filePath("data"));
        env.insert("XDG_CACHE_HOME", home_.filePath("cache"));
        env.insert("NO_AT_BRIDGE", "1"); // no accessibility bus to start on the private bus
        gedit_.setProcessEnvironment(env);
        gedit_.setProcessChannelMode(QProcess::ForwardedChannels);
        gedit_.start("gedit", QStringList{"--standalone"} + arguments);
        if (!gedit_.waitForStarted(10000))
            return "gedit did not start: " + gedit_.errorString();
        const bool up = QTest::qWaitFor(
            [this] { return ownsHostName() || gedit_.state() == QProcess::NotRunning; }, 30000);
        if (!up || !ownsHostName())
            return QStringLiteral("gedit's plugin did not take Wexdor4.Plugin");
        return {};
    }

    void stop() {
        endProcess(gedit_);
        xvfb_.stop();
    }

    // Starts `user`: it waits for gedit's Save As dialog and types `path` and Enter into it, or
    // presses Escape when `path` is empty, as a user would.
    void answerSaveAs(QProcess& user, const QString& path) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", xvfb_.display());
        user.setProcessEnvironment(env);
        // ("type" takes every word after it as text, so Enter is a command of its own.)
        const QString keys =
            path.isEmpty() ? QStringLiteral("xdotool key Escape")
                           : QStringLiteral("xdotool type --delay 10 \"$1\" && xdotool key Return");
        user.start("sh", {"-c",
                          "w=$(xdotool search --sync --onlyvisible --name '^Save As$' | head -n1) "
                          "&& xdotool windowfocus --sync \"$w\" && " +
                              keys,
                          "sh", path});
    }

    // ":N", the X display gedit shows on.
    const QString& display() const { return xvfb_.display(); }
    QString folder() const { return home_.path(); }

private:
    void writeSettings() {
        QDir(home_.path()).mkpath("config/glib-2.0/settings");
        QDir(home_.path()).mkpath("data/gedit");
        QFile::link(QProcessEnvironment::systemEnvironment().value("VORREL_GEDIT_PLUGINS"),
                    home_.filePath("data/gedit/plugins"));
        QFile keyfile(home_.filePath("config/glib-2.0/settings/keyfile"));
        keyfile.open(QIODevice::WriteOnly);
        // gedit ends every file it saves with a line end unless told not to; without one, the
        // file holds exactly the document's text, as with every other host.
        keyfile.write("[org/gnome/gedit/plugins]\nactive-plugins=['vorrelhost']\n"
                      "[org/gnome/gedit/preferences/editor]\nensure-trailing-newline=false\n");
    }

    bool ownsHostName() const {
        const auto pid = QDBusConnection::sessionBus().interface()->servicePid("Wexdor4.Plugin");
        return pid.isValid() && pid.value() == quint64(gedit_.processId());
    }

    QTemporaryDir home_;
    XvfbDisplay xvfb_;
    QProcess gedit_;
};

} // namespace vorrel::test
