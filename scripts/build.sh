#!/usr/bin/env bash
# Configures and builds Nimbex in build/ (or $NIMBEX_BUILD_DIR) after installing what is missing.
#   build.sh            everything, tests included
#   build.sh --run      only the clock
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NIMBEX_BUILD_DIR:-$root/build}
if [ "${1:-}" = --run ]; then
    bash "$root/scripts/deps.sh" --run
    targets=(--target nimbex)
else
    bash "$root/scripts/deps.sh" --all
    targets=()
fi
echo "Building in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" "${targets[@]}"
