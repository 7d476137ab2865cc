#!/usr/bin/env bash
# Starts a desktop on a fresh display with a session bus and a home of its own, runs a command
# there and tears it all down after; the command's exit status is the script's.
#   desktop.sh KIND -- command [args...]
#   bare     Xvfb 1280x1024, nothing else
#   openbox  Xvfb with the openbox window manager
#   trayer   openbox and a trayer notification area (XEmbed) along the bottom edge
#   xfce     openbox and an xfce4-panel whose systray plugin is a StatusNotifier host
#   sway     sway headless (Wayland, 1280x800) with waybar's tray; as an unprivileged user when
#            started as root, since sway refuses root
#   swaybare the same without waybar: no tray
#   weston   Weston headless (Wayland, 1280x800): no tray, no task bar, xdg-shell to the letter
#   gnome    GNOME Shell headless (Wayland, 1280x800) with the AppIndicator extension's tray
#   gnomex   the same, the command's programs on GNOME's Xwayland
#   kde      KDE Plasma on X11: Xvfb, kwin_x11, plasmashell
#   kdewl    KDE Plasma on Wayland: kwin_wayland --virtual (1280x800), plasmashell
#   lxqt     openbox and an LXQt panel with its StatusNotifier tray
# On the last six the program is driven over the accessibility bus (NIMBEX_DRIVE=atspi).
set -uo pipefail
kind=${1:-}
shift
[ "${1:-}" = -- ] && shift
kinds="bare openbox trayer xfce sway swaybare weston gnome gnomex kde kdewl lxqt"
case " $kinds " in *" $kind "*) ;; *)
    echo "usage: $0 ${kinds// /|} -- command..." >&2
    exit 2
    ;;
esac
self=$(readlink -f "$0")

if [ -z "${NIMBEX_DESKTOP_WORK:-}" ]; then
    work=$(mktemp -d)
    mkdir -m 0700 "$work/runtime" "$work/home"
    trap 'rm -rf "$work"' EXIT
    as=()
    if [[ $kind = sway* ]] && [ "$(id -u)" = 0 ]; then
        # Everything the user runs is copied, so a private checkout stays out of reach.
        user=nobody
        cp "$self" "$(command -v "$1")" "$work/"
        self="$work/$(basename "$self")"
        set -- "$work/$(basename "$1")" "${@:2}"
        if [ -n "${NIMBEX_BINARY:-}" ]; then
            cp "$NIMBEX_BINARY" "$work/"
            # Its plugins (Wayland buffers without EGL) are looked up beside it.
            plugins="$(dirname "$NIMBEX_BINARY")/plugins"
            [ -d "$plugins" ] && cp -r "$plugins" "$work/"
            NIMBEX_BINARY="$work/$(basename "$NIMBEX_BINARY")"
            export NIMBEX_BINARY
        fi
        chown -R "$user" "$work"
        chmod 0755 "$work"
        cd "$work" || exit 3
        as=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups --)
    fi
    export XDG_RUNTIME_DIR="$work/runtime"
    # The panels keep their configuration there.
    case $kind in bare | openbox | trayer) ;; *) export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" ;; esac
    # A session bus of its own; the clock alone (scripts/start.sh) can do without one.
    bus=(dbus-run-session --)
    command -v dbus-run-session >/dev/null || bus=()
    NIMBEX_DESKTOP_WORK="$work" "${as[@]}" "${bus[@]}" bash "$self" "$kind" -- "$@"
    exit $?
fi

work=$NIMBEX_DESKTOP_WORK
export NIMBEX_DESKTOP=$kind
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
}
trap cleanup EXIT
trap 'exit 130' INT TERM
until_true() { # tries, command...: retries every 50 ms
    local n=$1
    shift
    for ((; n > 0; n--)); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.05
    done
    return 1
}
tray_host() {
    gdbus call -e -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher -m org.freedesktop.DBus.Properties.Get \
        org.kde.StatusNotifierWatcher IsStatusNotifierHostRegistered | grep -q true
}
fail() {
    echo "desktop.sh: $kind: $*" >&2
    tail -n 20 "$work"/*.log >&2
    exit 3
}

case $kind in weston | gnome* | kde* | lxqt)
    export NIMBEX_DRIVE=atspi QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    # Programs register on the accessibility bus only when it and its registry run as they start.
    a11y=$(gdbus call -e -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress | cut -d"'" -f2)
    until_true 100 gdbus call -a "$a11y" -d org.a11y.atspi.Registry -o /org/a11y/atspi/registry \
        -m org.freedesktop.DBus.Peer.Ping || fail "no accessibility bus (at-spi2-core)"
    ;;
esac
wayland() { # socket name: waits for it, then the command's programs use it
    until_true 400 test -S "$XDG_RUNTIME_DIR/$1" || fail "the compositor did not start"
    export WAYLAND_DISPLAY=$1 QT_QPA_PLATFORM=wayland
    unset DISPLAY
}
# GNOME Shell and Plasma ask logind over the system bus, which a container lacks: one that
# allows everything stands in.
system_bus() {
    printf '<busconfig><type>system</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth><policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*"/><allow eavesdrop="true"/></policy></busconfig>' >"$work/system.conf"
    { read -r DBUS_SYSTEM_BUS_ADDRESS && read -r pid; } < <(dbus-daemon --config-file="$work/system.conf" --fork --print-address=1 --print-pid=1) ||
        fail "no stand-in system bus"
    pids+=("$pid")
    export DBUS_SYSTEM_BUS_ADDRESS
}
plasma() {
    kded5 >"$work/kded.log" 2>&1 &
    pids+=($!)
    # The watcher the tray host needs is a module of kded's later phase, which only a session
    # manager would start.
    until_true 600 gdbus call -e -d org.kde.kded5 -o /kded -m org.kde.kded5.loadModule \
        statusnotifierwatcher || fail "kded did not start"
    plasmashell --no-respawn >"$work/plasma.log" 2>&1 &
    pids+=($!)
}
case $kind in
weston)
    weston --backend=headless-backend.so --use-pixman --width=1280 --height=800 --socket=nimbex \
        --idle-time=0 --debug >"$work/weston.log" 2>&1 &
    pids+=($!)
    wayland nimbex
    "$@"
    exit $?
    ;;
gnome*)
    system_bus
    # The Overview it opens in hides every window: a small extension of the run's own leaves it,
    # and lets its screenshot call answer (org.gnome.Shell.Screenshot).
    ext="$HOME/.local/share/gnome-shell/extensions/nimbex-desktop@tests"
    mkdir -p "$ext"
    echo '{"uuid": "nimbex-desktop@tests", "name": "desktop", "description": "-", "shell-version": ["43"]}' >"$ext/metadata.json"
    echo 'const Main = imports.ui.main; function init() {} function disable() {}
function enable() { global.context.unsafe_mode = true; Main.layoutManager.connect("startup-complete", () => Main.overview.hide()); }' >"$ext/extension.js"
    gsettings set org.gnome.shell enabled-extensions "['ubuntu-appindicators@ubuntu.com', 'nimbex-desktop@tests']"
    export XDG_CURRENT_DESKTOP=GNOME # as a GNOME session has it: Qt then takes GTK's theme
    XDG_SESSION_TYPE=wayland gnome-shell --headless --wayland --virtual-monitor 1280x800 \
        --wayland-display=nimbex >"$work/gnome.log" 2>&1 &
    pids+=($!)
    wayland nimbex
    until_true 400 tray_host || fail "the AppIndicator extension's tray did not come up"
    if [ "$kind" = gnomex ]; then
        until_true 200 grep -q "Using public X11 display" "$work/gnome.log" || fail "no Xwayland"
        display=$(grep -o "Using public X11 display :[0-9]*" "$work/gnome.log" | grep -o ":[0-9]*")
        auth=("$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*)
        export DISPLAY=$display XAUTHORITY=${auth[0]} QT_QPA_PLATFORM=xcb
        unset WAYLAND_DISPLAY
    fi
    "$@"
    exit $?
    ;;
kdewl)
    system_bus
    # The packaged binary carries a file capability a container may refuse; a copy has none.
    cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
    "$work/kwin_wayland" --virtual --width 1280 --height 800 --socket nimbex >"$work/kwin.log" 2>&1 &
    pids+=($!)
    wayland nimbex
    dbus-update-activation-environment WAYLAND_DISPLAY QT_QPA_PLATFORM
    plasma
    until_true 600 tray_host || fail "Plasma's tray did not come up"
    "$@"
    exit $?
    ;;
esac

if [[ $kind = sway* ]]; then
    printf 'output HEADLESS-1 mode 1280x800\nxwayland disable\n' >"$work/sway.conf"
    [ "$kind" = sway ] && echo "exec waybar -c $work/waybar.json >$work/waybar.log 2>&1" >>"$work/sway.conf"
    echo '{"layer": "top", "position": "bottom", "height": 32, "modules-right": ["tray"]}' >"$work/waybar.json"
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
    pids+=($!)
    until_true 200 compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" ||
        fail "SWAY DID NOT START (as $(id -un)): the Wayland cases cannot run on this machine"
    sockets=("$XDG_RUNTIME_DIR"/wayland-? "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)
    export WAYLAND_DISPLAY="${sockets[0]##*/}" SWAYSOCK="${sockets[-1]}"
    export QT_QPA_PLATFORM=wayland
    unset DISPLAY
    # Ready once it answers; an end asked for before that is lost.
    until_true 200 swaymsg -t get_version || fail "sway does not answer"
    [ "$kind" = swaybare ] || until_true 200 tray_host || fail "waybar's tray did not come up"
    "$@"
    exit $?
fi

# Xvfb picks a free display itself, so parallel runs never collide. Without -noreset it resets
# whenever its last client leaves, which on a bare display is each test's program, and the next
# program that connects meanwhile is refused.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 20 number <"$work/displayfd" || fail "Xvfb did not start"
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

if [ "$kind" = kde ]; then
    system_bus
    # Else the services D-Bus starts know no display, and start-up waits on them for 30 s.
    dbus-update-activation-environment DISPLAY
    kwin_x11 >"$work/kwin.log" 2>&1 &
    pids+=($!)
    plasma
    until_true 600 tray_host || fail "Plasma's tray did not come up"
elif [ "$kind" != bare ]; then
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    # openbox announces itself a moment before it manages windows; a window mapped in that gap
    # can stay unmapped for good.
    until_true 200 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start"
    sleep 1
fi
if [ "$kind" = trayer ]; then
    trayer --edge bottom --align right --widthtype pixel --width 160 --heighttype pixel \
        --height 32 --SetDockType true --SetPartialStrut true --transparent false \
        >"$work/trayer.log" 2>&1 &
    pids+=($!)
    until_true 100 xdotool search --class trayer || fail "trayer did not start"
    sleep 0.5
elif [ "$kind" = xfce ]; then
    # One panel with one systray plugin, so the panel asks nothing on its first run.
    xml="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
    mkdir -p "$xml"
    cat >"$xml/xfce4-panel.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="panels" type="array"><value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=8;x=640;y=1000"/>
      <property name="size" type="uint" value="32"/>
      <property name="plugin-ids" type="array"><value type="int" value="1"/></property>
    </property>
  </property>
  <property name="plugins" type="empty"><property name="plugin-1" type="string" value="systray"/></property>
</channel>
EOF
    xfce4-panel >"$work/panel.log" 2>&1 &
    pids+=($!)
    until_true 300 tray_host || fail "xfce4-panel's tray did not come up"
elif [ "$kind" = lxqt ]; then
    mkdir -p "$XDG_CONFIG_HOME/lxqt"
    printf '[General]\npanels=panel1\n[panel1]\nplugins=taskbar,statusnotifier\nposition=Bottom\n[statusnotifier]\ntype=statusnotifier\n' \
        >"$XDG_CONFIG_HOME/lxqt/panel.conf"
    lxqt-panel >"$work/panel.log" 2>&1 &
    pids+=($!)
    until_true 300 tray_host || fail "the LXQt panel's tray did not come up"
fi

"$@"
