#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, configures a Release build in
# build-package/ (or $NIMBEX_BUILD_DIR), builds it and runs cpack. Prints the .deb's path.
#   bash scripts/package.sh [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NIMBEX_BUILD_DIR:-$root/build-package}
# dpkg-shlibdeps fills in the Qt libraries; file and strip are what cpack calls on the binary.
bash "$root/scripts/deps.sh" --build dpkg-dev file binutils
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "$@" >/dev/null
cmake --build "$build" --target nimbex
rm -f "$build"/nimbex_*.deb
(cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/nimbex_*.deb)
echo "$deb"
