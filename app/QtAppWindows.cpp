#include "app/QtAppWindows.h"

#include <QApplication>

namespace vorrel {

void QtAppWindows::minimize() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->isMinimized()) {
            window->showMinimized();
            minimized_.append(window);
        }
    }
}

void QtAppWindows::restore() {
    for (const QPointer<QWidget>& window : std::as_const(minimized_))
        if (window)
            window->showNormal();
    minimized_.clear();
}

} // namespace vorrel
