#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

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
        if (!home_.isValid() || !startXServer() || !writeSession())
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
    void stop() {
        for (QProcess* process : {&clipboard_, &kate_, &xServer_}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            if (process == &kate_)
                process->kill();
            else
                process->terminate();
            process->waitForFinished(10000);
        }
    }

    // Waits for Kate's Save As dialog and saves under `path`; false when no dialog comes.
    // The name is pasted: typed, the dialog's completion would take part of it.
    bool answerSaveAs(const QString& path) {
        const QString dialog = findSaveDialog();
        if (dialog.isEmpty())
            return false;
        clipboard_.setProcessEnvironment(xEnvironment());
        clipboard_.start(
            QStringLiteral("xclip"),
            {QStringLiteral("-quiet"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
        clipboard_.write(QFile::encodeName(path));
        clipboard_.closeWriteChannel();
        return clipboard_.waitForStarted(5000) &&
               xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                        QStringLiteral("ctrl+a"), QStringLiteral("ctrl+v"),
                        QStringLiteral("Return")});
    }

    bool cancelSaveAs() {
        return !findSaveDialog().isEmpty() &&
               xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    }

    // Types into the focused widget of Kate's main window, as its user would.
    bool typeIntoEditor(const QStringList& keys) {
        const QString window =
            xdotoolOutput({QStringLiteral("search"), QStringLiteral("--sync"),
                           QStringLiteral("--pid"), QString::number(kate_.processId()),
                           QStringLiteral("--name"), QStringLiteral("Kate$")});
        return !window.isEmpty() &&
               xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}) &&
               xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers")} +
                       keys);
    }

    QString failure;

private:
    bool fail(const QString& why) {
        failure = why;
        return false;
    }

    // Xvfb picks a free display and names it on standard output.
    bool startXServer() {
        xServer_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                                QStringLiteral("-screen"), QStringLiteral("0"),
                                                QStringLiteral("1280x800x24")});
        if (!QTest::qWaitFor(
                [&] { return xServer_.canReadLine() || xServer_.state() == QProcess::NotRunning; },
                20000) ||
            !xServer_.canReadLine())
            return fail(QStringLiteral("Xvfb did not start"));
        display_ = QLatin1Char(':') + QString::fromLatin1(xServer_.readLine()).trimmed();
        return true;
    }

    // Kate reads which plugins to load from its session; --startanon uses the anonymous one.
    bool writeSession() {
        QDir().mkpath(home_.filePath(QStringLiteral("data/kate")));
        QFile session(home_.filePath(QStringLiteral("data/kate/anonymous.katesession")));
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
        environment.insert(QStringLiteral("DISPLAY"), display_);
        return environment;
    }

    QProcessEnvironment kateEnvironment() const {
        QProcessEnvironment environment = xEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("HOME"), home_.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath("data"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), home_.filePath("cache"));
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

    QString findSaveDialog() {
        return xdotoolOutput({QStringLiteral("search"), QStringLiteral("--sync"),
                              QStringLiteral("--pid"), QString::number(kate_.processId()),
                              QStringLiteral("--name"), QStringLiteral("^Save File")});
    }

    // Runs xdotool on Kate's display with the event loop served; its first line of output.
    QString xdotoolOutput(const QStringList& arguments) {
        QProcess xdotool;
        xdotool.setProcessEnvironment(xEnvironment());
        xdotool.start(QStringLiteral("xdotool"), arguments);
        if (!QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 30000)) {
            xdotool.kill();
            xdotool.waitForFinished();
            return {};
        }
        if (xdotool.exitStatus() != QProcess::NormalExit || xdotool.exitCode() != 0)
            return {};
        return QString::fromLatin1(xdotool.readAllStandardOutput()).section('\n', 0, 0).trimmed();
    }

    bool xdotool(const QStringList& arguments) {
        QProcess xdotool;
        xdotool.setProcessEnvironment(xEnvironment());
        xdotool.start(QStringLiteral("xdotool"), arguments);
        return QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 30000) &&
               xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
    }

    QTemporaryDir home_;
    QString display_;
    QProcess xServer_;
    QProcess kate_;
    QProcess clipboard_;
};

} // namespace vorrel::test
