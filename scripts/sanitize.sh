#!/usr/bin/env bash
# Builds Nimbex with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ (or
# $NIMBEX_BUILD_DIR) and runs the whole test suite under them; any report fails its test.
# This build ticks on the timer of systems without a wall-clock timer, so the suite runs that
# one too; the plain build ticks on Linux's.
#   bash scripts/sanitize.sh [ctest arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NIMBEX_BUILD_DIR:-$root/build-asan}
bash "$root/scripts/deps.sh" --all
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNIMBEX_SANITIZE=ON \
    -DNIMBEX_PORTABLE_TIMER=ON >/dev/null
cmake --build "$build"

# The end-to-end tests preload libfaketime to fake the clock, ahead of ASan's runtime; ASan's
# link-order check would refuse that, and the suite runs clean with it switched off.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:verify_asan_link_order=0
# Whole stacks for every allocation, through Qt's and the system's libraries that have no frame
# pointers, so the suppressions in packaging/lsan.supp can name the library that owns a leak.
ASAN_OPTIONS+=:fast_unwind_on_malloc=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside system libraries only; see the file for why each is there.
export LSAN_OPTIONS=suppressions=$root/packaging/lsan.supp:print_suppressions=0
cd "$build"
ctest --output-on-failure --timeout 600 "$@"
