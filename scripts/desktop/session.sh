# shellcheck shell=bash disable=SC2034,SC2154 # its variables are shared with desktop.sh
# What every desktop scripts/desktop.sh starts shares: a session of its own, the processes it
# starts and stops, the waits on them. Sourced by desktop.sh with $kind, $self and the desktop
# family's file, which sets:
#   start_desktop     starts the desktop and sets the environment its programs see
#   refuses_root      non-empty: the desktop refuses root, so it runs as an unprivileged user
#   keeps_user_home   non-empty: no panel keeps a configuration, so the command keeps its home

# The first time through: a scratch folder, a runtime folder and a session bus of its own (and the
# user), and desktop.sh runs again inside them; this returns only then, inside the session.
enter_session() { # command...
    if [ -n "${NIMBEX_DESKTOP_WORK:-}" ]; then
        in_session
        return
    fi
    work=$(mktemp -d)
    mkdir -m 0700 "$work/runtime" "$work/home"
    trap 'rm -rf "$work"' EXIT
    local as=() bus=(dbus-run-session --) user
    if [ -n "${refuses_root:-}" ] && [ "$(id -u)" = 0 ]; then
        # Everything the user runs is copied, so a private checkout stays out of reach.
        user=nobody
        cp "$self" "$(command -v "$1")" "$work/"
        cp -r "$(dirname "$self")/desktop" "$work/"
        self="$work/$(basename "$self")"
        set -- "$work/$(basename "$1")" "${@:2}"
        if [ -n "${NIMBEX_BINARY:-}" ]; then
            cp "$NIMBEX_BINARY" "$work/"
            # Its plugins (Wayland buffers without EGL) are looked up beside it.
            local plugins
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
    [ -n "${keeps_user_home:-}" ] || export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    # The clock alone (scripts/start.sh) can do without a session bus.
    command -v dbus-run-session >/dev/null || bus=()
    NIMBEX_DESKTOP_WORK="$work" "${as[@]}" "${bus[@]}" bash "$self" "$kind" -- "$@"
    exit $?
}

# Inside the session: whatever the desktop starts is stopped at the end, the last first.
in_session() {
    work=$NIMBEX_DESKTOP_WORK
    export NIMBEX_DESKTOP=$kind
    pids=()
    trap cleanup EXIT
    trap 'exit 130' INT TERM
}
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
}

background() { # log name, command...: runs it beside the rest until the end, its output logged
    local log=$1
    shift
    "$@" >"$work/$log.log" 2>&1 &
    pids+=($!)
}
until_true() { # tries, command...: retries every 50 ms
    local n=$1
    shift
    for ((; n > 0; n--)); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.05
    done
    return 1
}
fail() {
    echo "desktop.sh: $kind: $*" >&2
    tail -n 20 "$work"/*.log >&2
    exit 3
}
tray_host() {
    gdbus call -e -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher -m org.freedesktop.DBus.Properties.Get \
        org.kde.StatusNotifierWatcher IsStatusNotifierHostRegistered | grep -q true
}

# Where no keys reach the program, the tests drive it over the accessibility bus.
accessibility_bus() {
    export NIMBEX_DRIVE=atspi QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    # Programs register on the accessibility bus only when it and its registry run as they start.
    local a11y
    a11y=$(gdbus call -e -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress | cut -d"'" -f2)
    until_true 100 gdbus call -a "$a11y" -d org.a11y.atspi.Registry -o /org/a11y/atspi/registry \
        -m org.freedesktop.DBus.Peer.Ping || fail "no accessibility bus (at-spi2-core)"
}

# GNOME Shell and Plasma ask logind over the system bus, which a container lacks: one that
# allows everything stands in.
system_bus() {
    printf '<busconfig><type>system</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth><policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*"/><allow eavesdrop="true"/></policy></busconfig>' >"$work/system.conf"
    local pid
    { read -r DBUS_SYSTEM_BUS_ADDRESS && read -r pid; } < <(dbus-daemon --config-file="$work/system.conf" --fork --print-address=1 --print-pid=1) ||
        fail "no stand-in system bus"
    pids+=("$pid")
    export DBUS_SYSTEM_BUS_ADDRESS
}

use_wayland() { # socket name: waits for it, then the command's programs use it
    until_true 400 test -S "$XDG_RUNTIME_DIR/$1" || fail "the compositor did not start"
    export WAYLAND_DISPLAY=$1 QT_QPA_PLATFORM=wayland
    unset DISPLAY
}

# Xvfb picks a free display itself, so parallel runs never collide. Without -noreset it resets
# whenever its last client leaves, which on a bare display is each test's program, and the next
# program that connects meanwhile is refused.
use_xvfb() {
    mkfifo "$work/displayfd"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    local number
    read -r -t 20 number <"$work/displayfd" || fail "Xvfb did not start"
    export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}
