#include "ui/WaylandGlobals.h"

#include <wayland-client.h>

QStringList WaylandGlobals::names()
{
    // A connection of its own, closed again after one round trip: Qt's is not public API.
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return {};
    QStringList names;
    static const wl_registry_listener listener = {
        [](void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
            static_cast<QStringList*>(data)->append(QString::fromLatin1(interface));
        },
        [](void*, wl_registry*, uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &names);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return names;
}
