#!/usr/bin/env bash
# Builds the libFuzzer target for the settings texts with clang in build-fuzz/ (or
# $NIMBEX_BUILD_DIR) and runs it for a bounded time, seeded from fuzz/corpus/.
#   bash scripts/fuzz.sh [seconds]      (default 60)
# New inputs collect in <build>/corpus; a crash leaves its input in <build>/artifacts and fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NIMBEX_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-60}
bash "$root/scripts/deps.sh" --fuzz
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNIMBEX_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target fuzz_texts
mkdir -p "$build/corpus" "$build/artifacts"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$build/fuzz/fuzz_texts" -max_total_time="$seconds" -timeout=10 -max_len=512 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/" "$build/corpus" "$root/fuzz/corpus"
