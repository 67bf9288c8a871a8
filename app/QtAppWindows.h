#pragma once

#include "app/Platform.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace vorrel {

// Minimises the program's visible windows and brings back exactly those.
class QtAppWindows : public AppWindows {
public:
    void minimize() override;
    void restore() override;

private:
    QList<QPointer<QWidget>> minimized_;
};

} // namespace vorrel
