#!/usr/bin/env bash
# Benchmarks Nimbex against the reference face on a virtual desktop with a tray.
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
    -h | --help) sed -n '2,6p' "$0"; exit 0 ;;
    *) args+=("$1"); shift ;;
    esac
done
if [ -z "$out" ]; then
    mkdir -p "$here/out"
    out="$here/out/$(date +%Y%m%d-%H%M%S).json"
fi
out=$(realpath -m "$out")
mkdir -p "$(dirname "$out")"

bash "$root/scripts/deps.sh" cmake ninja-build g++ qt6-base-dev libbenchmark-dev \
    libx11-dev libxdamage-dev libxfixes-dev xvfb openbox trayer xdotool x11-utils x11-apps \
    fonts-wine python3

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

bash "$root/scripts/desktop.sh" trayer -- /usr/bin/python3 "$here/bench.py" \
    --tools "$build" --program "$build/nimbex/nimbex" --out "$out" "${args[@]}"
