#!/usr/bin/env bash
# Fuzzes every reader of outside data: each libFuzzer target of tests/fuzz runs for SECONDS on
# its committed seeds (tests/fuzz/corpus/TARGET) and what it found before (build-fuzz/corpus,
# outside git), with its dictionary when there is one. Prints the executions per target and
# whether anything was found; exits non-zero on any crash, sanitizer report, leak or mismatch,
# whose input is kept in build-fuzz/findings.
#
#   tools/fuzz.sh SECONDS [TARGET...]      (all targets unless named; one at a time, niced)
#   tools/fuzz.sh --totals                 (executions and findings per target, all runs)
#
# Every run is added to build-fuzz/fuzz-log.txt: date, target, seconds, executions, result.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --totals ]; then
    awk '{ runs[$2] += $4; secs[$2] += $3; if ($5 != "ok") found[$2]++ }
         END { for (t in runs) printf "%-18s %12d executions in %6d s, %d runs with a finding\n",
                                      t, runs[t], secs[t], found[t] }' \
        "$here/build-fuzz/fuzz-log.txt" | sort
    exit 0
fi
seconds=${1:?usage: tools/fuzz.sh SECONDS [TARGET...]}
shift
[[ $seconds =~ ^[0-9]+$ ]] && [ "$seconds" -gt 0 ] || {
    echo "tools/fuzz.sh: SECONDS must be a positive whole number" >&2
    exit 2
}
build=$here/build-fuzz

cd "$here"
source tools/setup.sh
KVELTA_PACKAGES=("${KVELTA_FUZZ_PACKAGES[@]}" ninja-build cmake libsimpleini-dev)
kvelta_install_packages
if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DKVELTA_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
nice -n 10 cmake --build "$build" -j2 >/dev/null || {
    echo "tools/fuzz.sh: the build of $build failed" >&2
    cmake --build "$build" -j1 2>&1 | tail -n 30 >&2
    exit 1
}

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in "$here"/tests/fuzz/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

# Shorter allocation stacks and a smaller quarantine make the allocation-heavy readers several
# times faster; a finding is reproduced with the defaults by running its target on the input.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=5:quarantine_size_mb=16}
status=0
mkdir -p "$build/findings"
for target in "${targets[@]}"; do
    program=$build/tests/fuzz/$target
    [ -x "$program" ] || { echo "tools/fuzz.sh: no target $target" >&2; exit 2; }
    seeds=$here/tests/fuzz/corpus/$target
    found=$build/corpus/$target
    mkdir -p "$found" "$seeds"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$build/findings/$target-")
    [ -f "$here/tests/fuzz/$target.dict" ] && options+=(-dict="$here/tests/fuzz/$target.dict")
    log=$build/findings/$target.log
    set +e
    nice -n 10 "$program" "${options[@]}" "$found" "$seeds" >"$log" 2>&1
    code=$?
    set -e
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ -z "$runs" ]; then
        # A crash ends the run before the final statistics; its last status line counts.
        runs=$(grep -o '^#[0-9]*' "$log" | tail -n 1 | tr -d '#' || true)
    fi
    if [ $code -eq 0 ]; then
        result="nothing found"
    else
        result="FOUND (exit $code): $(grep -m1 -E 'ERROR|MISMATCH|runtime error|SUMMARY' "$log" || true)"
        result+=" -- see $log"
        status=1
    fi
    printf '%-18s %12s executions  %s\n' "$target" "${runs:-0}" "$result"
    printf '%s %s %s %s %s\n' "$(date -u +%FT%TZ)" "$target" "$seconds" "${runs:-0}" \
        "$([ $code -eq 0 ] && echo ok || echo found)" >>"$build/fuzz-log.txt"
done
exit $status
