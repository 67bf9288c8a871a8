// SPDX-License-Identifier: MIT
#pragma once

class QWindow;

namespace vorrel {

// Tells the Wayland compositor that `dialog`, a window with a parent, is modal. Wayland itself has
// no word for it, and GNOME Shell places a window over its parent only when it knows the window
// is a modal dialog; elsewhere it puts the window beside the others, away from the wizard. GNOME
// Shell learns it through its own protocol, gtk_shell1; a compositor that does not offer that
// protocol (KWin places a window over its parent anyway) and any other window system are left
// alone. Call it once the window is on its way to the screen and before its first picture.
void tellCompositorItIsModal(QWindow* dialog);

} // namespace vorrel
