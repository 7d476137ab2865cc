# shellcheck shell=bash disable=SC2034,SC2154 # its variables are shared with desktop.sh
# GNOME Shell 43 headless (Wayland, 1280x800) with the AppIndicator extension's tray; on gnomex
# the command's programs use GNOME's Xwayland.

start_desktop() {
    accessibility_bus
    system_bus
    # The Overview it opens in hides every window: a small extension of the run's own leaves it,
    # and lets its screenshot call answer (org.gnome.Shell.Screenshot).
    local ext="$HOME/.local/share/gnome-shell/extensions/nimbex-desktop@tests"
    mkdir -p "$ext"
    echo '{"uuid": "nimbex-desktop@tests", "name": "desktop", "description": "-", "shell-version": ["43"]}' >"$ext/metadata.json"
    echo 'const Main = imports.ui.main; function init() {} function disable() {}
function enable() { global.context.unsafe_mode = true; Main.layoutManager.connect("startup-complete", () => Main.overview.hide()); }' >"$ext/extension.js"
    gsettings set org.gnome.shell enabled-extensions "['ubuntu-appindicators@ubuntu.com', 'nimbex-desktop@tests']"
    export XDG_CURRENT_DESKTOP=GNOME # as a GNOME session has it: Qt then takes GTK's theme
    background gnome env XDG_SESSION_TYPE=wayland gnome-shell --headless --wayland \
        --virtual-monitor 1280x800 --wayland-display=nimbex
    use_wayland nimbex
    until_true 400 tray_host || fail "the AppIndicator extension's tray did not come up"
    [ "$kind" = gnomex ] || return 0
    until_true 200 grep -q "Using public X11 display" "$work/gnome.log" || fail "no Xwayland"
    local display auth
    display=$(grep -o "Using public X11 display :[0-9]*" "$work/gnome.log" | grep -o ":[0-9]*")
    auth=("$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*)
    export DISPLAY=$display XAUTHORITY=${auth[0]} QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}
