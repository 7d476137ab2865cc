# shellcheck shell=bash disable=SC2034,SC2154 # its variables are shared with desktop.sh
# KDE Plasma 5.27: on X11 (kde: Xvfb, kwin_x11, plasmashell) and on Wayland (kdewl:
# kwin_wayland --virtual at 1280x800, plasmashell).

start_desktop() {
    accessibility_bus
    if [ "$kind" = kde ]; then
        use_xvfb
        system_bus
        # Else the services D-Bus starts know no display, and start-up waits on them for 30 s.
        dbus-update-activation-environment DISPLAY
        background kwin kwin_x11
    else
        system_bus
        # The packaged binary carries a file capability a container may refuse; a copy has none.
        cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
        background kwin "$work/kwin_wayland" --virtual --width 1280 --height 800 --socket nimbex
        use_wayland nimbex
        dbus-update-activation-environment WAYLAND_DISPLAY QT_QPA_PLATFORM
    fi
    background kded kded5
    # The watcher the tray host needs is a module of kded's later phase, which only a session
    # manager would start.
    until_true 600 gdbus call -e -d org.kde.kded5 -o /kded -m org.kde.kded5.loadModule \
        statusnotifierwatcher || fail "kded did not start"
    background plasma plasmashell --no-respawn
    until_true 600 tray_host || fail "Plasma's tray did not come up"
}
