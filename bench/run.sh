#!/usr/bin/env bash
# Benchmarks Nimbex against the reference face on a virtual X desktop with a tray, and their
# memory and first frame on headless sway and Weston.
#   bash bench/run.sh [--minutes N | --seconds N] [--rounds N] [--hidden-seconds N]
#                     [--startup-runs N] [--out FILE.json]
# Builds in $NIMBEX_BENCH_BUILD (default /tmp/nimbex-bench-build). Results go to
# bench/out/<date>.json (with .txt and a .d/ folder of raw logs) unless --out is given.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=${NIMBEX_BENCH_BUILD:-/tmp/nimbex-bench-build}

out=""
args=()
while [ $# -gt 0 ]; do
    case $1 in
    --out) out=$2; shift 2 ;;
    --out=*) out=${1#--out=}; shift ;;
    -h | --help) sed -n '2,7p' "$0"; exit 0 ;;
    *) args+=("$1"); shift ;;
    esac
done
if [ -z "$out" ]; then
    mkdir -p "$here/out"
    out="$here/out/$(date +%Y%m%d-%H%M%S).json"
fi
out=$(realpath -m "$out")
mkdir -p "$(dirname "$out")"

bash "$root/scripts/deps.sh" --bench

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

# Wayland first: memory and launch to first frame on headless sway (with waybar's tray) and on
# Weston, for the clock and the reference. sway runs its programs as an unprivileged user, so
# they and the script run from a copy it can read, and the figures come back on stdout.
wl=$(mktemp -d)
trap 'rm -rf "$wl"' EXIT
cp -r "$here/bench.py" "$here/measure" "$build/nimbex/nimbex" "$build/nimbex/plugins" \
    "$build/nimbex_reference" "$wl/"
chmod -R a+rX "$wl"
wayland=()
for desktop in sway weston; do
    bash "$root/scripts/desktop.sh" "$desktop" -- /usr/bin/python3 "$wl/bench.py" --wayland \
        --tools "$wl" --program "$wl/nimbex" "${args[@]}" >"$wl/$desktop.out"
    wayland+=("$desktop=$wl/$desktop.out")
done

bash "$root/scripts/desktop.sh" trayer -- /usr/bin/python3 "$here/bench.py" \
    --tools "$build" --program "$build/nimbex/nimbex" --out "$out" "${args[@]}" \
    --wayland-results "${wayland[@]}"
