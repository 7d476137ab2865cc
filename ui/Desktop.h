#pragma once

// What the desktop the program runs on is and can do, asked once as the program starts. The
// windows and the tray layer go by these answers and never ask the platform themselves. Plain
// values: a test can describe a desktop other than the one it runs on.
struct Desktop
{
    enum class WindowSystem
    {
        X11,
        Wayland,
        Other // offscreen, or a system of its own
    };

    enum class Tray
    {
        // Registered on the session bus: it shows the icon and draws the icon's menu itself.
        StatusNotifierHost,
        // An area that embeds the icon, now or once one appears, and leaves the menu to the
        // program: XEmbed on X11 (and the notification area of systems other than Unix).
        XEmbedArea,
        // Nothing could ever show the icon: Wayland, or no window system, without a host.
        None
    };

    WindowSystem windowSystem = WindowSystem::Other;
    Tray tray = Tray::None;
    // A task bar, a window list or a window switcher brings a minimised window back without the
    // program's help. Wayland compositors without any (Weston) leave it lost.
    bool minimisedCanComeBack = true;
    // A menu can open at the pointer: Wayland tells no program where the pointer is.
    bool menuAtPointer = true;

    // The desktop of the running application: its platform, the session bus and, on Wayland, the
    // compositor's interfaces. Asked before the first tray icon, so the tray is the kind Qt picks.
    static Desktop probe();
};
