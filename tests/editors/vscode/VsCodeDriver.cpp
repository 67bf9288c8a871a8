// SPDX-License-Identifier: MIT
// The conformance table against the real VS Code workbench with the Vorrel host extension:
// code-server in Chromium (support/VsCodeWorkbench.h), the row's document opened with the cursor
// where its marker stood, and VS Code's Save As and the extension's question answered in the
// page as its user would.
//
// The workbench takes many seconds to start, so one serves the whole table: between rows every
// editor is closed and its changes dropped, and each row has a folder of its own, so a row finds
// the workbench as a fresh one would be once it has opened the row's document. A row that fails
// ends it, and the next row starts a new one.

#include "HostDriver.h"

#include "editors/protocol/HostProtocol.h"
#include "support/VsCodeWorkbench.h"

#include <QFile>
#include <QFileInfo>

namespace vorrel::test {

namespace {

QDBusMessage failure(const QString& why) {
    return QDBusMessage::createError(QStringLiteral("Vorrel.Test.Driver"), why);
}

class VsCodeDriver : public HostDriver {
public:
    QString start(const HostStart& start) override {
        saveAs_ = start.saveAs;
        replace_ = start.replace;
        if (!workbench_.running() && !startWorkbench())
            return workbench_.failure;
        if (!workbench_.closeAll())
            return workbench_.failure;
        if (start.file.isEmpty())
            return hostSees(QStringLiteral("getworkdir"),
                            QString::fromLatin1(wexdor4::kNoDocumentFolder));
        QFile file(start.file);
        if (!file.open(QIODevice::ReadWrite))
            return QStringLiteral("cannot read ") + start.file;
        QByteArray document = file.readAll();
        const CursorPosition cursor = takeCursorMarker(document).value_or(CursorPosition{});
        file.resize(0);
        file.write(document);
        file.close();
        if (!workbench_.open(start.file, cursor.line, cursor.column, cursor.utf16Column))
            return workbench_.failure;
        return hostSees(QStringLiteral("getworkdir"),
                        QFileInfo(start.file).absolutePath() + QLatin1Char('/'));
    }

    // forcesave of an untitled document opens VS Code's Save As, and copyfiles may ask whether a
    // picture is to be replaced: the page answers them while the call runs.
    QDBusMessage call(const QString& method, const QVariantList& args) override {
        QString armed;
        if (method == QLatin1String("forcesave"))
            armed = QStringLiteral("arm saveas ") + saveAs_;
        else if (method == QLatin1String("copyfiles") && replace_ != HostStart::Consent::NotAsked)
            armed = QStringLiteral("arm answer ") + (replace_ == HostStart::Consent::Yes
                                                         ? QStringLiteral("yes")
                                                         : QStringLiteral("no"));
        if (armed.isEmpty())
            return HostDriver::call(method, args);
        if (!workbench_.command(armed))
            return failure(workbench_.failure);
        const QDBusMessage reply = HostDriver::call(method, args);
        return workbench_.command(QStringLiteral("disarm")) ? reply : failure(workbench_.failure);
    }

    // The workbench stays for the next row, unless this one failed.
    void stop() override {
        if (QTest::currentTestFailed())
            workbench_.stop();
    }

private:
    bool startWorkbench() {
        if (!workbench_.start())
            return false;
        const QDBusMessage first = HostDriver::call(QString::fromLatin1(wexdor4::kRunningMethod));
        if (first.type() != QDBusMessage::ReplyMessage) {
            workbench_.failure = QStringLiteral("the first call failed: ") + first.errorMessage();
            return false;
        }
        qInfo("code-server: %lld ms from its start to the first answered call",
              workbench_.elapsed());
        return true;
    }

    // Waits until the extension sees the editor the row starts with, as `method` answers
    // `expected`: the workbench shows an editor before its extension host hears of it.
    QString hostSees(const QString& method, const QString& expected) {
        QString last;
        const bool seen = QTest::qWaitFor(
            [&] {
                const QDBusMessage reply = HostDriver::call(method);
                last = reply.type() == QDBusMessage::ReplyMessage
                           ? reply.arguments().value(0).toString()
                           : reply.errorMessage();
                return last == expected;
            },
            30000);
        return seen ? QString()
                    : QStringLiteral("%1 answers \"%2\" where the workbench shows \"%3\"")
                          .arg(method, last, expected);
    }

    VsCodeWorkbench workbench_;
    QString saveAs_;
    HostStart::Consent replace_ = HostStart::Consent::NotAsked;
};

} // namespace

std::unique_ptr<HostDriver> makeHostDriver() {
    return std::make_unique<VsCodeDriver>();
}

} // namespace vorrel::test
