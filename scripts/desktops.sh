#!/usr/bin/env bash
# Installs the big desktops (GNOME, KDE Plasma, LXQt: about 1 GB) and runs the end-to-end cases
# on each: GNOME on Wayland, GNOME with the clock on Xwayland, Plasma on X11 and on Wayland, LXQt.
# A desktop that does not start fails its cases.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NIMBEX_BUILD_DIR:-$root/build-desktops}
bash "$root/scripts/deps.sh" --all --desktops
cmake -S "$root" -B "$build" -G Ninja -DNIMBEX_BIG_DESKTOPS=ON >/dev/null
cmake --build "$build"
cd "$build"
ctest --output-on-failure --timeout 300 -R '^tst_e2e_.*_(gnome|gnomex|kde|kdewl|lxqt)$' "$@"
