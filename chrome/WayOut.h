// SPDX-License-Identifier: MIT
#pragma once

class QEvent;
class QObject;
class QRect;
class QWidget;

namespace vorrel {

// The ways out of the program: its Cancel buttons and the close box of a window that draws its
// own caption. They take the user's clicks also while the program holds all other input back,
// waiting for the host, so the user can always end the program.

// Makes the whole widget a way out.
void markWayOut(QWidget* widget);
// Makes the part `area` of the widget, in its own coordinates, a way out.
void markWayOut(QWidget* widget, const QRect& area);

// A mouse event that lands on a way out.
bool isWayOut(QObject* receiver, QEvent* mouseEvent);

} // namespace vorrel
