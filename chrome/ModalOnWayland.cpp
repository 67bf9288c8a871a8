// SPDX-License-Identifier: MIT
#include "chrome/ModalOnWayland.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <cstring>

#include <wayland-client.h>

namespace vorrel {

namespace {

// GNOME's gtk_shell1 and gtk_surface1, as far as they are used here: a surface's gtk_surface1 and
// its set_modal and release requests. Every request and event of the version bound is described,
// so that whatever the compositor sends is read correctly.
extern const wl_interface gtkSurface1;
const wl_interface* const noTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_interface* const getSurfaceTypes[] = {&gtkSurface1, &wl_surface_interface};
const wl_interface* const systemBellTypes[] = {&gtkSurface1};
const wl_interface* const titlebarGestureTypes[] = {nullptr, &wl_seat_interface, nullptr};

const wl_message shellRequests[] = {
    {"get_gtk_surface", "no", const_cast<const wl_interface**>(getSurfaceTypes)},
    {"set_startup_id", "?s", const_cast<const wl_interface**>(noTypes)},
    {"system_bell", "?o", const_cast<const wl_interface**>(systemBellTypes)},
    {"notify_launch", "3s", const_cast<const wl_interface**>(noTypes)},
};
const wl_message shellEvents[] = {
    {"capabilities", "u", const_cast<const wl_interface**>(noTypes)},
};
const wl_interface gtkShell1 = {"gtk_shell1", 5, 4, shellRequests, 1, shellEvents};

const wl_message surfaceRequests[] = {
    {"set_dbus_properties", "?s?s?s?s?s?s", const_cast<const wl_interface**>(noTypes)},
    {"set_modal", "", const_cast<const wl_interface**>(noTypes)},
    {"unset_modal", "", const_cast<const wl_interface**>(noTypes)},
    {"present", "u", const_cast<const wl_interface**>(noTypes)},
    {"request_focus", "3?s", const_cast<const wl_interface**>(noTypes)},
    {"release", "4", const_cast<const wl_interface**>(noTypes)},
    {"titlebar_gesture", "5uou", const_cast<const wl_interface**>(titlebarGestureTypes)},
};
const wl_message surfaceEvents[] = {
    {"configure", "a", const_cast<const wl_interface**>(noTypes)},
    {"configure_edges", "2a", const_cast<const wl_interface**>(noTypes)},
};
const wl_interface gtkSurface1 = {"gtk_surface1", 5, 7, surfaceRequests, 2, surfaceEvents};

constexpr uint32_t kGetGtkSurface = 0;
constexpr uint32_t kSetModal = 1;
constexpr uint32_t kRelease = 5;
// The first version whose gtk_surface1 can be released.
constexpr uint32_t kVersion = 4;

// gtk_shell1 on Qt's own connection, found once. Its objects live on a queue of their own, so
// that nothing here ever handles an event of Qt's.
struct GtkShell {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_proxy* shell = nullptr;
};

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface,
               uint32_t version) {
    auto* found = static_cast<GtkShell*>(data);
    if (!found->shell && std::strcmp(interface, gtkShell1.name) == 0 && version >= kVersion)
        found->shell =
            static_cast<wl_proxy*>(wl_registry_bind(registry, name, &gtkShell1, kVersion));
}

void withdrawn(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registryListener = {announced, withdrawn};

GtkShell findGtkShell() {
    GtkShell found;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return found;
    found.display = static_cast<wl_display*>(
        native->nativeResourceForIntegration(QByteArrayLiteral("wl_display")));
    if (!found.display)
        return found;
    found.queue = wl_display_create_queue(found.display);
    auto* display = static_cast<wl_display*>(wl_proxy_create_wrapper(found.display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(display), found.queue);
    wl_registry* registry = wl_display_get_registry(display);
    wl_proxy_wrapper_destroy(display);
    wl_registry_add_listener(registry, &registryListener, &found);
    wl_display_roundtrip_queue(found.display, found.queue);
    wl_registry_destroy(registry);
    return found;
}

GtkShell& gtkShell() {
    static GtkShell shell = findGtkShell();
    return shell;
}

// The gtk_surface1 of a dialog goes with the dialog's window.
class GtkSurface : public QObject {
public:
    GtkSurface(QWindow* dialog, wl_proxy* surface) : QObject(dialog), surface_(surface) {
        setObjectName(kName);
    }
    static constexpr const char* kName = "gtkSurface1";
    ~GtkSurface() override {
        wl_proxy_marshal_flags(surface_, kRelease, nullptr, kVersion, WL_MARSHAL_FLAG_DESTROY);
        // What the compositor sent to it meanwhile is dropped with it.
        wl_display_dispatch_queue_pending(gtkShell().display, gtkShell().queue);
    }

private:
    wl_proxy* surface_;
};

} // namespace

void tellCompositorItIsModal(QWindow* dialog) {
    const GtkShell& shell = gtkShell();
    if (!shell.shell || !dialog ||
        dialog->findChild<QObject*>(GtkSurface::kName, Qt::FindDirectChildrenOnly))
        return;
    auto* surface =
        static_cast<wl_proxy*>(QGuiApplication::platformNativeInterface()->nativeResourceForWindow(
            QByteArrayLiteral("surface"), dialog));
    if (!surface)
        return;
    wl_proxy* gtkSurface = wl_proxy_marshal_flags(shell.shell, kGetGtkSurface, &gtkSurface1,
                                                  kVersion, 0, nullptr, surface);
    if (!gtkSurface)
        return;
    wl_proxy_marshal_flags(gtkSurface, kSetModal, nullptr, kVersion, 0);
    wl_display_flush(shell.display);
    new GtkSurface(dialog, gtkSurface);
}

} // namespace vorrel
