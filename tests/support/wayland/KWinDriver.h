// SPDX-License-Identifier: MIT
#pragma once

#include "support/wayland/CompositorDriver.h"
#include "support/wayland/InputClient.h"
#include "support/wayland/ProcessGroup.h"

#include <QObject>

namespace vorrel::test {

// What KWin's scripts report back over the bus.
class KWinReports : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vorrel.test.KWinReports")

public:
    int answered = 0;
    QByteArray json;

public slots:
    Q_NOREPLY void report(int query, const QString& text) {
        answered = query;
        json = text.toUtf8();
    }
};

// KWin 5.27 on a virtual output, with XWayland. Input goes through its fake-input protocol (a
// small client of ours), screenshots through its ScreenShot2 service, and the windows come
// from a script that KWin runs and that calls back.
class KWinDriver : public CompositorDriver {
public:
    QString start(SessionContext& context) override;
    void stop() override;

    QString waylandDisplay() const override { return waylandDisplay_; }
    QString xDisplay() const override { return xDisplay_; }
    QString xAuthority() const override { return xAuthority_; }

    bool movePointer(QPoint to) override { return input_.movePointer(to); }
    bool button(int evdevCode, bool pressed) override { return input_.button(evdevCode, pressed); }
    bool keys(const QList<KeyEvent>& events) override { return input_.keys(events); }

    std::optional<QPoint> pointer() override;
    bool settled() override;
    QImage screenshot() override;
    std::optional<QList<ToplevelWindow>> windows() override;

private:
    // Runs the report script once; the report's JSON, or nothing when KWin did not answer.
    std::optional<QByteArray> query();

    SessionContext* context_ = nullptr;
    ProcessGroup kwin_;
    InputClient input_;
    KWinReports reports_;
    QString waylandDisplay_;
    QString xDisplay_;
    QString xAuthority_;
    int queries_ = 0;
};

} // namespace vorrel::test
