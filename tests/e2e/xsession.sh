#!/usr/bin/env bash
# Runs a command on a fresh virtual X display (Xvfb, 1280x1024) with the openbox window manager
# and, with --tray, a trayer notification area along the bottom edge; tears it all down after.
#   xsession.sh [--tray] -- command [args...]
# The command sees DISPLAY; its exit status is the script's.
set -uo pipefail

tray=0
while [ $# -gt 0 ]; do
    case $1 in
    --tray) tray=1; shift ;;
    --) shift; break ;;
    *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--tray] -- command..." >&2; exit 2; }

work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and writes its number to the descriptor, so parallel runs
# never collide.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 20 number <"$work/displayfd" || { echo "xsession: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 3; }
export DISPLAY=":$number"

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# openbox announces itself a moment before it manages windows; a window mapped in that gap can
# stay unmapped for good.
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
sleep 1

if [ "$tray" = 1 ]; then
    trayer --edge bottom --align right --widthtype pixel --width 160 --heighttype pixel \
        --height 32 --SetDockType true --SetPartialStrut true --transparent false \
        >"$work/trayer.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root -notype 2>/dev/null | grep -q . && \
            xdotool search --class trayer >/dev/null 2>&1 && break
        sleep 0.05
    done
    sleep 0.5
fi

"$@"
