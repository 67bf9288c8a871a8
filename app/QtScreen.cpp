// SPDX-License-Identifier: MIT
#include "app/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace vorrel {

int QtScreen::colourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 24;
}

} // namespace vorrel
