// SPDX-License-Identifier: MIT
#pragma once

#include "support/wayland/CompositorDriver.h"
#include "support/wayland/InputClient.h"
#include "support/wayland/ProcessGroup.h"

#include <QJsonObject>
#include <QTemporaryDir>

namespace vorrel::test {

// sway 1.7 headless, with XWayland. sway refuses to run as root, so it runs as user nobody in
// a folder of nobody's; root's clients reach its socket by its full path. Input comes from a
// virtual pointer and keyboard of ours (virtual-input) that live as long as the session: a
// headless seat has a keyboard only while a virtual one exists, and a client binds its
// keyboard only when the seat has one. Screenshots come from grim, the windows from swaymsg,
// which does not tell where the pointer is.
class SwayDriver : public CompositorDriver {
public:
    QString start(SessionContext& context) override;
    void stop() override;

    QString waylandDisplay() const override { return waylandDisplay_; }
    QString xDisplay() const override { return xDisplay_; }

    bool movePointer(QPoint to) override { return input_.movePointer(to); }
    bool button(int evdevCode, bool pressed) override { return input_.button(evdevCode, pressed); }
    bool keys(const QList<KeyEvent>& events) override { return input_.keys(events); }

    std::optional<QPoint> pointer() override { return std::nullopt; }
    QImage screenshot() override;
    std::optional<QList<ToplevelWindow>> windows() override;

private:
    QProcessEnvironment clientEnvironment() const;
    // Runs a client of the compositor to its end; its standard output, or none when it failed.
    std::optional<QByteArray> run(const QString& program, const QStringList& args);

    SessionContext* context_ = nullptr;
    std::unique_ptr<QTemporaryDir> swayDir_;
    ProcessGroup sway_;
    InputClient input_;
    QString waylandDisplay_;
    QString xDisplay_;
    QString ipcSocket_;
};

} // namespace vorrel::test
