#!/usr/bin/env bash
# Runs the whole test suite again and again beside two CPU hogs, as on a busy two-core machine,
# and stops at the first red run: no test may need an idle machine to pass.
#   bash scripts/stress.sh [runs]      (default 10; ctest's log of each run in <build>/stress/)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NIMBEX_BUILD_DIR:-$root/build}
runs=${1:-10}
bash "$root/scripts/deps.sh" --stress || echo "stress-ng is missing: two shell loops stand in"
bash "$root/scripts/build.sh" >/dev/null || exit 1
mkdir -p "$build/stress"

hogs=()
stop_hogs() {
    ((${#hogs[@]})) && kill "${hogs[@]}" 2>/dev/null
    wait 2>/dev/null
}
trap stop_hogs EXIT
trap 'exit 130' INT TERM
if command -v stress-ng >/dev/null; then
    stress-ng --cpu 2 --quiet &
    hogs+=($!)
else
    for _ in 1 2; do
        bash -c 'while :; do :; done' &
        hogs+=($!)
    done
fi

green=0
for ((run = 1; run <= runs; run++)); do
    log="$build/stress/run-$run.log"
    start=$SECONDS
    if (cd "$build" && ctest --output-on-failure --timeout 300 >"$log" 2>&1); then
        green=$((green + 1))
        echo "run $run of $runs: green in $((SECONDS - start)) s"
    else
        echo "run $run of $runs: RED in $((SECONDS - start)) s; see $log"
        sed -n '/tests failed out of/,$p' "$log"
        break
    fi
done
echo "$green of $runs runs green in a row beside two CPU hogs"
((green == runs))
