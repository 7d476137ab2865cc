#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, configures a build in build-package/ (or
# $NIMBEX_BUILD_DIR) with Debian's build flags, builds it and runs cpack. Prints the .deb's path.
#   bash scripts/package.sh [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NIMBEX_BUILD_DIR:-$root/build-package}
bash "$root/scripts/deps.sh" --build --package
# The flags Debian builds its own packages with, hardening=+all adding immediate binding, taken
# as debhelper takes them for CMake: build type None, so that only these count, and CPPFLAGS
# (-D_FORTIFY_SOURCE=2) with the compiler flags, since CMake has no variable of its own for them.
# Given on the command line, they replace whatever an earlier configure left in the cache.
eval "$(cd "$root" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
    -DNIMBEX_HARDENING=OFF -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" \
    -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" "$@" >/dev/null
cmake --build "$build" --target nimbex
rm -f "$build"/nimbex_*.deb
(cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/nimbex_*.deb)
echo "$deb"
