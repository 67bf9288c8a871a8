// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace vorrel::test {

// The real Emacs, `emacs -nw -Q` with vorrel-host-mode on, in a tmux server of its own (its own
// socket), on the test's session bus. Its package comes from VORREL_EMACS_PACKAGE (the build's
// folder of it); the test-only prompt-hook.el (VORREL_EMACS_PROMPT_HOOK) writes each minibuffer
// prompt to a file once it reads keys, and the session types its answers with tmux send-keys.
// HOME is a fresh folder, so nothing of the user's is read or changed.
class EmacsSession {
public:
    ~EmacsSession() { stop(); }

    // Starts Emacs on `file` (none when empty) with its cursor at `line` and `column` (from 0,
    // in characters), and waits until it owns the host's bus name, or with `owners` above 1 until
    // that many connections own it or queue for it. Empty, or what went wrong.
    QString start(const QString& file = {}, int line = 0, int column = 0, int owners = 1) {
        if (!home_.isValid())
            return QStringLiteral("no temporary folder");
        const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
        QStringList emacs{QStringLiteral("emacs"),
                          QStringLiteral("-nw"),
                          QStringLiteral("-Q"),
                          QStringLiteral("-L"),
                          system.value(QStringLiteral("VORREL_EMACS_PACKAGE")),
                          QStringLiteral("-l"),
                          system.value(QStringLiteral("VORREL_EMACS_PROMPT_HOOK")),
                          QStringLiteral("-l"),
                          QStringLiteral("vorrel-host")};
        if (!file.isEmpty())
            emacs << file << QStringLiteral("--eval")
                  << QStringLiteral("(progn (goto-char (point-min)) (forward-line %1) "
                                    "(forward-char %2))")
                         .arg(line)
                         .arg(column);
        emacs << QStringLiteral("--eval") << QStringLiteral("(vorrel-host-mode 1)");
        QProcessEnvironment env = system;
        env.insert(QStringLiteral("HOME"), home_.path());
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("VORREL_EMACS_PROMPTS"), promptsFile());
        env.remove(QStringLiteral("TMUX"));
        env.remove(QStringLiteral("DISPLAY")); // a terminal Emacs, whatever the test runs under
        // (More than one word after new-session: tmux runs them as they are, with no shell.)
        const QString failed =
            tmux(QStringList{QStringLiteral("new-session"), QStringLiteral("-d"),
                             QStringLiteral("-x"), QStringLiteral("120"), QStringLiteral("-y"),
                             QStringLiteral("40"), QStringLiteral("-c"), home_.path()} +
                     emacs,
                 env);
        if (!failed.isEmpty())
            return failed;
        started_ = true;
        if (!QTest::qWaitFor([owners] { return queuedOwners() >= owners; }, 30000))
            return QStringLiteral("Emacs did not take Wexdor4.Plugin; its screen:\n") + screen();
        return {};
    }

    // Ends Emacs with its tmux server, and waits until the bus name is free or another
    // connection queued for it has it.
    void stop() {
        if (!started_)
            return;
        started_ = false;
        const QString owner = nameOwner();
        tmux({QStringLiteral("kill-server")});
        if (!QTest::qWaitFor([&owner] { return nameOwner() != owner; }, 10000))
            qWarning("the bus name Wexdor4.Plugin is still taken");
    }

    // The prompts Emacs has opened so far, the first first.
    QStringList prompts() const {
        QFile file(promptsFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        lines.removeLast(); // after the last line end
        return lines;
    }

    // Types keys into Emacs: tmux key names (C-a, Enter), or `literal` text.
    QString keys(const QStringList& keys, bool literal = false) const {
        QStringList args{QStringLiteral("send-keys"), QStringLiteral("-t"), session()};
        if (literal)
            args << QStringLiteral("-l");
        return tmux(args + keys);
    }

    // What the terminal shows now.
    QString screen() const {
        QProcess capture;
        capture.start(QStringLiteral("tmux"),
                      {QStringLiteral("-S"), socket(), QStringLiteral("capture-pane"),
                       QStringLiteral("-p"), QStringLiteral("-t"), session()});
        capture.waitForFinished(10000);
        return QString::fromUtf8(capture.readAllStandardOutput());
    }

    // The unique name of the connection that owns the host's bus name; empty when none does.
    static QString nameOwner() {
        return QDBusConnection::sessionBus()
            .interface()
            ->serviceOwner(QStringLiteral("Wexdor4.Plugin"))
            .value();
    }

    // How many connections own the host's bus name or queue for it.
    static int queuedOwners() {
        const QDBusMessage reply = QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListQueuedOwners"))
            << QStringLiteral("Wexdor4.Plugin"));
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                   ? int(reply.arguments()[0].toStringList().size())
                   : 0;
    }

private:
    QString socket() const { return home_.filePath(QStringLiteral("tmux.socket")); }
    QString promptsFile() const { return home_.filePath(QStringLiteral("prompts")); }
    static QString session() { return QStringLiteral("0"); }

    QString tmux(const QStringList& args,
                 const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) const {
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("tmux"),
                      QStringList{QStringLiteral("-S"), socket(), QStringLiteral("-f"),
                                  QStringLiteral("/dev/null")} +
                          args);
        if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return QStringLiteral("tmux %1 failed").arg(args.value(0));
        return {};
    }

    QTemporaryDir home_;
    bool started_ = false;
};

} // namespace vorrel::test
