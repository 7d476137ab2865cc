#include "ui/Desktop.h"

#include "ui/WaylandGlobals.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QGuiApplication>

namespace {

// Qt puts its tray icons on a StatusNotifierItem host over D-Bus instead of an XEmbed area when,
// at its first tray icon, the watcher says a host is registered; it never changes its mind. This
// asks the same question before Qt does, so the answer stays the same as Qt's.
bool statusNotifierHostRegistered()
{
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(watcher))
        return false;
    // A plain property read: an interface object would introspect the watcher first, and the bus
    // keeps what introspection learns until the program ends, unfreed.
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcher, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << watcher << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusReply<QDBusVariant> registered = bus.call(get);
    return registered.isValid() && registered.value().variant().toBool();
}

// A Wayland compositor either hands its window list to task bars (wlroots', KDE's), or is the
// desktop shell itself with a switcher and an overview of every window (GNOME's). One with
// neither (Weston) has no way back from a minimised window.
bool compositorBringsMinimisedBack()
{
    const QStringList globals = WaylandGlobals::names();
    for (const char* name :
         {"zwlr_foreign_toplevel_manager_v1", "org_kde_plasma_window_management", "gtk_shell1"})
        if (globals.contains(QLatin1String(name)))
            return true;
    return false;
}

} // namespace

Desktop Desktop::probe()
{
    Desktop desktop;
    const QString platform = QGuiApplication::platformName();
    if (platform.compare(QLatin1String("xcb"), Qt::CaseInsensitive) == 0)
        desktop.windowSystem = WindowSystem::X11;
    else if (platform.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive))
        desktop.windowSystem = WindowSystem::Wayland;

    if (statusNotifierHostRegistered())
        desktop.tray = Tray::StatusNotifierHost;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // XEmbed areas exist only on X11: elsewhere, without a host, nothing could ever show the
    // icon, and Qt would only warn that it cannot watch for an area.
    else if (desktop.windowSystem == WindowSystem::X11)
#else
    else
#endif
        desktop.tray = Tray::XEmbedArea;

    // On X11 task bars and window lists are the rule, and with no window manager at all a
    // minimised window simply stays on screen.
    if (desktop.windowSystem == WindowSystem::Wayland) {
        desktop.minimisedCanComeBack = compositorBringsMinimisedBack();
        desktop.menuAtPointer = false;
    }
    return desktop;
}
