#!/usr/bin/env bash
# Puts plausible one-line faults into a scratch copy of the program, one at a time, builds it and
# runs the tests on it: a fault the whole suite stays green on has escaped the tests. A red run
# counts as a catch only once its first failing test, run alone, fails again with the fault in and
# passes with the file put back; otherwise the fault is FLAKY: the test fails by chance, not by the
# fault. A tool for judging the suite, not a test (CI does not run it); it exits non-zero when a
# fault escaped or was flaky. A run takes a while (a build and a suite per fault): start it in the
# background.
#   bash scripts/mutate.sh            every fault
#   bash scripts/mutate.sh 3 7        only those, numbered as --list numbers them
#   bash scripts/mutate.sh --list
# The faults are listed in scripts/mutations.txt. The copy and its build stay in build-mutate/ (or
# $NIMBEX_MUTATE_DIR) for the next run. Each fault names the tests meant to catch it; they run first, and the whole suite only when they
# stay green. A fault whose text is no longer found once in its file is STALE: the code moved on
# and the fault is to be written again.
set -uo pipefail
shopt -u patsub_replacement 2>/dev/null # an "&" in a replacement is just an ampersand
root=$(cd "$(dirname "$0")/.." && pwd)
work=${NIMBEX_MUTATE_DIR:-$root/build-mutate}

faults=${NIMBEX_MUTATIONS:-$root/scripts/mutations.txt}

# Reads the faults (the file's head says how they are written) into five lists.
whats=() files=() olds=() news=() tests=()
read_faults() {
    local line n=-1
    while IFS= read -r line || [ -n "$line" ]; do
        case $line in
        '#'* | '') ;;
        '['*']') n=$((n + 1)) whats[n]=${line:1:-1} files[n]="" olds[n]="" news[n]="" tests[n]="" ;;
        'file '*) files[n]=$(sed 's/^file *//' <<<"$line") ;;
        'tests '*) tests[n]=$(sed 's/^tests *//' <<<"$line") ;;
        '-'*) olds[n]+=${olds[n]:+$'\n'}${line:2} ;;
        '+'*) news[n]+=${news[n]:+$'\n'}${line:2} ;;
        *) echo "$faults: a line no fault can hold: $line" >&2; exit 2 ;;
        esac
    done <"$faults"
}
read_faults

# Whether fault $1 (from 0) is found once in the copy of the tree under $2.
found_once() {
    local text rest
    text=$(cat "$2/${files[$1]}" 2>/dev/null) || return 1
    rest=${text#*"${olds[$1]}"}
    [ "$rest" != "$text" ] && [[ $rest != *"${olds[$1]}"* ]]
}

# All of it read before it starts: the list may be edited while a run goes on.
main() {
    if [ "${1:-}" = --list ]; then
        for i in "${!whats[@]}"; do
            found_once "$i" "$root" && mark="" || mark="STALE "
            printf '%2d %s%s: %s\n' $((i + 1)) "$mark" "${files[i]}" "${whats[i]}"
        done
        exit 0
    fi
    chosen=("$@")
    ((${#chosen[@]})) || mapfile -t chosen < <(seq "${#whats[@]}")

    # A copy of the tree as it is now, uncommitted changes included; files keep their times, so the
    # build left from the last run only compiles what differs.
    src="$work/src" build="$work/build"
    rm -rf "$src" && mkdir -p "$src" "$build" || exit 1
    (cd "$root" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) |
        tar -xf - -C "$src" || exit 1
    # A run that ended or was stopped after its last build kept a faulty object whose source came
    # back older than it: every file a fault touches is built again.
    for f in "${files[@]}"; do touch "$src/$f"; done
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    configure() {
        cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
    }

    # Runs the tests matching $1 (all when empty); prints the failed ones, and fails with them.
    suite() {
        local out
        out=$(cd "$build" && ctest --timeout 300 --stop-on-failure ${1:+-R "$1"} 2>&1) && return 0
        grep -E '^\s+[0-9]+ - ' <<<"$out" | sed -E 's/^\s+[0-9]+ - ([^ ]+).*/\1/' | tr '\n' ' '
        return 1
    }
    # Runs the one test named $1 by itself; fails when it fails, or when no test has that name.
    alone() {
        local name
        name=$(sed 's/[][\\.*^$+?(){}|]/\\&/g' <<<"$1")
        (cd "$build" && ctest --timeout 300 --no-tests=error -R "^$name\$" >"$work/alone.log" 2>&1)
    }
    # Puts the file the fault went into back as it was.
    put_back() {
        mv "$file.orig" "$file" && touch "$file" # a fresh time, so the next build compiles it again
    }

    echo "Building the unchanged copy and running the whole suite on it first"
    # A build left by an older tree can trip over files that moved: then once more from scratch.
    if ! { configure && cmake --build "$build" >"$work/build.log" 2>&1; }; then
        rm -rf "$build"
        configure && cmake --build "$build" >"$work/build.log" 2>&1 ||
            { echo "The copy does not build: $work/build.log"; exit 1; }
    fi
    if failed=$(suite ""); then :; else
        echo "The suite is red without any fault ($failed): fix that first"
        exit 1
    fi

    caught=0 escaped=0 flaky=0 stale=0 broken=0
    for n in "${chosen[@]}"; do
        i=$((n - 1))
        file="$src/${files[i]}" old=${olds[i]} new=${news[i]}
        label=$(printf '%2d %s' "$n" "${whats[i]}")
        if ! found_once "$i" "$src"; then
            echo "STALE    $label: not found once in ${files[i]}"
            stale=$((stale + 1))
            continue
        fi
        text=$(cat "$file")
        cp -p "$file" "$file.orig"
        printf '%s\n' "${text/"$old"/"$new"}" >"$file"
        if ! cmake --build "$build" >"$work/build.log" 2>&1; then
            echo "NO BUILD $label: see $work/build.log"
            broken=$((broken + 1))
            put_back
        elif failed=$(suite "${tests[i]}") && failed=$(suite ""); then
            echo "ESCAPED  $label"
            escaped=$((escaped + 1))
            put_back
        else
            # A red run proves nothing by itself: a test may fail by chance. Each failed test runs
            # again alone with the fault still in, then those that failed again run alone on the
            # program without it. The suite stops at its first failure, so there is mostly one;
            # when there are several, the first to fail with the fault and pass without it catches.
            read -ra named <<<"$failed"
            again=()
            for t in "${named[@]}"; do alone "$t" || again+=("$t"); done
            put_back
            by="" why=""
            if ((${#named[@]} == 0)); then
                why="? (the run was red but named no failed test)"
            elif ((${#again[@]} == 0)); then
                why="${named[*]} (passed alone with the fault in)"
            elif ! cmake --build "$build" >"$work/build.log" 2>&1; then
                why="${again[*]} (the copy without the fault does not build: see $work/build.log)"
            else
                for t in "${again[@]}"; do alone "$t" && { by=$t; break; }; done
                [ -n "$by" ] || why="${again[*]} (failed alone without the fault too)"
            fi
            if [ -n "$by" ]; then
                echo "caught   $label by $by"
                caught=$((caught + 1))
            else
                echo "FLAKY    $label: $why"
                flaky=$((flaky + 1))
            fi
        fi
    done
    echo "Score: $caught caught, $escaped escaped, $flaky flaky, $stale stale, $broken not building," \
        "of ${#chosen[@]}"
    ((escaped == 0 && flaky == 0)) # the run's verdict, for its exit code
}
main "$@"
exit
