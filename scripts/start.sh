#!/usr/bin/env bash
# Installs what is missing, builds and starts the clock. Without a display it runs the clock on a
# bare virtual X display instead (the screenshot is of the window alone, so it needs no window
# manager), saves a screenshot of the window after its first ticks and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NIMBEX_BUILD_DIR:-$root/build}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    bash "$root/scripts/build.sh" --run
    exec "$build/nimbex"
fi

bash "$root/scripts/deps.sh" --run --headless
bash "$root/scripts/build.sh" --run

shot=${NIMBEX_SCREENSHOT:-$build/nimbex-face.png}
# shellcheck source=tests/e2e/desktop.sh
exec bash "$root/tests/e2e/desktop.sh" bare -- bash -c '
    "$1/nimbex" & pid=$!
    win=$(xdotool search --sync --pid "$pid" --onlyvisible --name "^Nimbex" | head -n 1)
    sleep 2.5
    import -window "$win" "$2"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "No display here: the clock ran on a virtual one. Its face: $2"
' _ "$build" "$shot"
