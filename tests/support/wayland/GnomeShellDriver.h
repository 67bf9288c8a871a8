// SPDX-License-Identifier: MIT
#pragma once

#include "support/wayland/CompositorDriver.h"
#include "support/wayland/ProcessGroup.h"

#include <QJsonObject>

namespace vorrel::test {

// GNOME Shell 43 headless on a virtual monitor, with XWayland, a private stand-in system bus
// and settings of its own. An extension of the harness's (gnome-shell-extension/) opens Eval,
// through which the harness reads the windows and the pointer and sends input with a virtual
// pointer and keyboard; screenshots come from the shell's Screenshot service.
class GnomeShellDriver : public CompositorDriver {
public:
    QString start(SessionContext& context) override;
    void stop() override;

    QString waylandDisplay() const override { return waylandDisplay_; }
    QString xDisplay() const override { return xDisplay_; }
    QString xAuthority() const override { return xAuthority_; }

    bool movePointer(QPoint to) override;
    bool button(int evdevCode, bool pressed) override;
    bool keys(const QList<KeyEvent>& events) override;

    std::optional<QPoint> pointer() override;
    bool settled() override;
    bool windowAtPointer() override;
    QImage screenshot() override;
    std::optional<QList<ToplevelWindow>> windows() override;

private:
    // The value of `code` evaluated in the shell, as JSON; none when it failed.
    std::optional<QByteArray> eval(const QString& code);
    // The harness's state() call, parsed.
    std::optional<QJsonObject> state();
    QString prepareFolders(SessionContext& context);

    SessionContext* context_ = nullptr;
    ProcessGroup systemBus_;
    ProcessGroup shell_;
    QString waylandDisplay_;
    QString xDisplay_;
    QString xAuthority_;
    int shots_ = 0;
};

} // namespace vorrel::test
