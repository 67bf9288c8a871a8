// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

#include "support/EndProcess.h"

#include "support/XvfbDisplay.h"

#include <functional>
#include <memory>

namespace vorrel::test {

// The real Kate with the Vorrel host plugin, on an X server of its own and on the test's session
// bus, as a user has it once "Vorrel host" is ticked in Kate's plugin settings. Its settings live
// in a home folder of its own; the plugin comes from the build folder (VORREL_KATE_PLUGIN_PATH).
class KateUnderXvfb {
public:
    ~KateUnderXvfb() { stop(); }

    // Starts `kate -n --startanon ARGUMENTS` and waits until the plugin serves the host protocol.
    // False, with the reason in `failure`, when it does not come up.
    bool start(const QStringList& arguments) {
        stop();
        home_ = std::make_unique<QTemporaryDir>();
        homePath_ = home_->path();
        if (!home_->isValid() || !startXServer() || !writeSession())
            return false;
        kate_.setProcessEnvironment(kateEnvironment());
        kate_.setStandardOutputFile(QProcess::nullDevice());
        kate_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        kate_.start(QStringLiteral("kate"),
                    QStringList{QStringLiteral("-n"), QStringLiteral("--startanon")} + arguments);
        if (!kate_.waitForStarted(10000))
            return fail(QStringLiteral("kate did not start: ") + kate_.errorString());
        const bool served = QTest::qWaitFor(
            [&] { return kate_.state() != QProcess::Running || hostOnBus(); }, 60000);
        if (!served || kate_.state() != QProcess::Running)
            return fail(QStringLiteral("Kate did not serve Wexdor4.Plugin"));
        return true;
    }

    // Kate is killed: asked to quit, it would ask about the unsaved changes of its documents.
    // Returns once Kate's bus name is free.
    void stop() {
        endProcess(clipboard_);
        kate_.kill();
        kate_.waitForFinished(10000);
        xServer_.stop();
        if (!QTest::qWaitFor([] { return !hostOnBus(); }, 10000))
            qWarning("Wexdor4.Plugin is still owned after Kate ended");
        home_.reset(); // once Kate has ended: it writes there until it ends
    }

    // Waits until `done` holds or Kate shows its Save As dialog: true for the dialog.
    bool saveDialogShowsBefore(const std::function<bool()>& done) {
        QProcess search;
        search.setProcessEnvironment(xEnvironment());
        search.start(QStringLiteral("xdotool"), saveDialogSearch());
        (void)QTest::qWaitFor([&] { return done() || search.state() == QProcess::NotRunning; },
                              120000);
        const bool shown = search.state() == QProcess::NotRunning &&
                           search.exitStatus() == QProcess::NormalExit && search.exitCode() == 0;
        search.kill();
        search.waitForFinished();
        return shown;
    }

    // Saves under `path` through Kate's Save As dialog, as a user would, until `saved` holds;
    // false when no dialog comes or it never takes the name. The name is pasted: typed, the
    // dialog's completion would take part of it. On a loaded machine the dialog may not take
    // keys yet when it first shows, so they are given again while it stays open.
    bool answerSaveAs(const QString& path, const std::function<bool()>& saved) {
        if (!offerOnClipboard(path))
            return false;
        for (int attempt = 0; attempt < 5; ++attempt) {
            // Only the first look waits for the dialog: later, a dialog gone means it was taken.
            if (!focusSaveDialog(attempt == 0))
                return saved();
            if (!xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                          QStringLiteral("ctrl+a"), QStringLiteral("ctrl+v"),
                          QStringLiteral("Return")}))
                return false;
            if (QTest::qWaitFor(saved, 15000))
                return true;
        }
        return false;
    }

    // ":N", the X display Kate shows on.
    const QString& display() const { return xServer_.display(); }

    QString failure;

private:
    bool fail(const QString& why) {
        failure = why;
        return false;
    }

    bool startXServer() {
        return !xServer_.start(QStringLiteral("1280x800x24")).isEmpty() ||
               fail(QStringLiteral("Xvfb did not start"));
    }

    // Kate reads which plugins to load from its session; --startanon uses the anonymous one.
    bool writeSession() {
        QDir().mkpath(homePath_ + QStringLiteral("/data/kate"));
        QFile session(homePath_ + QStringLiteral("/data/kate/anonymous.katesession"));
        if (!session.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("cannot write Kate's session"));
        // Kate's default plugins stay off: they only slow its start.
        session.write("[Kate Plugins]\nvorrelhost=true\nkatefiletreeplugin=false\n"
                      "katesearchplugin=false\nkateprojectplugin=false\ntabswitcherplugin=false\n"
                      "textfilterplugin=false\nexternaltoolsplugin=false\nlspclientplugin=false\n"
                      "katefilebrowserplugin=false\nkatekonsoleplugin=false\n");
        return true;
    }

    QProcessEnvironment xEnvironment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), xServer_.display());
        return environment;
    }

    QProcessEnvironment kateEnvironment() const {
        QProcessEnvironment environment = xEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("HOME"), homePath_);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           homePath_ + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), homePath_ + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), homePath_ + QStringLiteral("/cache"));
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"),
                           environment.value(QStringLiteral("VORREL_KATE_PLUGIN_PATH")));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("kf.*=false"));
        environment.remove(QStringLiteral("KATE_PID"));
        environment.remove(QStringLiteral("SESSION_MANAGER"));
        return environment;
    }

    static bool hostOnBus() {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("Wexdor4.Plugin"));
    }

    // Only Kate draws on this X server.
    static QStringList saveDialogSearch(bool wait = true) {
        QStringList search{QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                           QStringLiteral("--name"), QStringLiteral("^Save File")};
        if (wait)
            search.insert(1, QStringLiteral("--sync"));
        return search;
    }

    bool focusSaveDialog(bool wait) {
        const QString dialog = xdotoolOutput(saveDialogSearch(wait));
        return !dialog.isEmpty() &&
               xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), dialog});
    }

    // Puts `text` on Kate's clipboard and waits until the clipboard really holds it, so that a
    // paste never finds it empty.
    bool offerOnClipboard(const QString& text) {
        endProcess(clipboard_);
        clipboard_.setProcessEnvironment(xEnvironment());
        clipboard_.start(
            QStringLiteral("xclip"),
            {QStringLiteral("-quiet"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
        clipboard_.write(QFile::encodeName(text));
        clipboard_.closeWriteChannel();
        return clipboard_.waitForStarted(5000) &&
               QTest::qWaitFor(
                   [&] {
                       QProcess read;
                       read.setProcessEnvironment(xEnvironment());
                       read.start(QStringLiteral("xclip"),
                                  {QStringLiteral("-o"), QStringLiteral("-selection"),
                                   QStringLiteral("clipboard")});
                       return read.waitForFinished(5000) &&
                              read.readAllStandardOutput() == QFile::encodeName(text);
                   },
                   20000);
    }

    // Runs xdotool on Kate's display with the event loop served; its first line of output, or
    // nothing when it fails.
    QString xdotoolOutput(const QStringList& arguments) {
        QProcess xdotool;
        xdotool.setProcessEnvironment(xEnvironment());
        xdotool.start(QStringLiteral("xdotool"), arguments);
        const bool ended =
            QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 60000);
        if (!ended) {
            xdotool.kill();
            xdotool.waitForFinished();
        }
        if (!ended || xdotool.exitStatus() != QProcess::NormalExit || xdotool.exitCode() != 0)
            return {};
        return QString::fromLatin1(xdotool.readAllStandardOutput()).section('\n', 0, 0).trimmed();
    }

    bool xdotool(const QStringList& arguments) {
        QProcess xdotool;
        xdotool.setProcessEnvironment(xEnvironment());
        xdotool.start(QStringLiteral("xdotool"), arguments);
        return QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 60000) &&
               xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
    }

    std::unique_ptr<QTemporaryDir> home_;
    QString homePath_;
    XvfbDisplay xServer_;
    QProcess kate_;
    QProcess clipboard_;
};

} // namespace vorrel::test
