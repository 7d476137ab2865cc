#!/usr/bin/env bash
# Starts a desktop on a fresh display with a session bus and a home of its own, runs a command
# there and tears it all down after; the command's exit status is the script's.
#   desktop.sh KIND -- command [args...]
#   bare     Xvfb 1280x1024, nothing else
#   openbox  Xvfb with the openbox window manager
#   trayer   openbox and a trayer notification area (XEmbed) along the bottom edge
#   xfce     openbox and an xfce4-panel whose systray plugin is a StatusNotifier host
#   lxqt     openbox and an LXQt panel with its StatusNotifier tray
#   sway     sway headless (Wayland, 1280x800) with waybar's tray; as an unprivileged user when
#            started as root, since sway refuses root
#   swaybare the same without waybar: no tray
#   weston   Weston headless (Wayland, 1280x800): no tray, no task bar, xdg-shell to the letter
#   gnome    GNOME Shell headless (Wayland, 1280x800) with the AppIndicator extension's tray
#   gnomex   the same, the command's programs on GNOME's Xwayland
#   kde      KDE Plasma on X11: Xvfb, kwin_x11, plasmashell
#   kdewl    KDE Plasma on Wayland: kwin_wayland --virtual (1280x800), plasmashell
# On lxqt, weston, gnome and kde the program is driven over the accessibility bus
# (NIMBEX_DRIVE=atspi).
# What every desktop shares is in desktop/session.sh; each family has a file of its own there.
set -uo pipefail
kind=${1:-}
shift
[ "${1:-}" = -- ] && shift
case $kind in
bare | openbox | trayer | xfce | lxqt) family=x11 ;;
sway | swaybare) family=sway ;;
weston) family=weston ;;
gnome | gnomex) family=gnome ;;
kde | kdewl) family=kde ;;
*)
    kinds="bare openbox trayer xfce lxqt sway swaybare weston gnome gnomex kde kdewl"
    echo "usage: $0 ${kinds// /|} -- command..." >&2
    exit 2
    ;;
esac
self=$(readlink -f "$0")
here=$(dirname "$self")
# shellcheck source=scripts/desktop/session.sh
. "$here/desktop/session.sh"
# shellcheck source=/dev/null
. "$here/desktop/$family.sh"

# Returns only inside the session: a fresh bus, folder and display, torn down at the end.
enter_session "$@"
start_desktop
"$@"
