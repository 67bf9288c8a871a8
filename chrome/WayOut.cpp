// SPDX-License-Identifier: MIT
#include "chrome/WayOut.h"

#include <QMouseEvent>
#include <QRect>
#include <QVariant>
#include <QWidget>

namespace vorrel {

namespace {
constexpr const char* kWayOut = "wayOut";
} // namespace

void markWayOut(QWidget* widget) {
    widget->setProperty(kWayOut, true);
}

void markWayOut(QWidget* widget, const QRect& area) {
    widget->setProperty(kWayOut, area);
}

bool isWayOut(QObject* receiver, QEvent* mouseEvent) {
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget)
        return false;
    const QVariant wayOut = widget->property(kWayOut);
    if (wayOut.typeId() == QMetaType::Bool)
        return wayOut.toBool();
    if (wayOut.typeId() == QMetaType::QRect)
        return wayOut.toRect().contains(
            static_cast<QMouseEvent*>(mouseEvent)->position().toPoint());
    return false;
}

} // namespace vorrel
