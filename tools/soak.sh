#!/usr/bin/env bash
# The long run: DEALS computer deals (a million unless told) spread over every combination of
# the rule switches and the shuffling and dealing modes, every check of the headless runner on.
# Any violation stops the run with the runner's report and the rules that caused it.
#
#   tools/soak.sh [DEALS] [JOBS]        (uses build/kvelta-sim; JOBS runners at a time, 2)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
sim=${KVELTA_SIM:-$here/build/kvelta-sim}
deals=${1:-1000000}
jobs=${2:-2}
[ -x "$sim" ] || { echo "error: build $sim first" >&2; exit 1; }

rules=$(mktemp -d)
trap 'rm -rf "$rules"' EXIT
n=0
for nasobit in 0 1; do for herce in 0 1; do for bezfleku in 0 1; do for utek in 0 1; do
for stovka in 1 2 3; do for michani in 1 2 3; do for rozdani in 1 2; do
    n=$((n + 1))
    printf '[GAME]\nNASOBIT=%s\nHERCE=%s\nBEZFLEKU=%s\nUTEK=%s\nSTOVKA=%s\nMICHANI=%s\nROZDANI=%s\nPOCET_SEJMUTI=7\n' \
        $nasobit $herce $bezfleku $utek $stovka $michani $rozdani >"$rules/$(printf %03d $n).ini"
done; done; done; done; done; done; done
per=$(((deals + n - 1) / n))
echo "soak: $n rule combinations, $per deals each, $jobs at a time"

start=$(date +%s)
# Each combination gets its own seed; the first failure ends the run.
run_one() {
    local file=$1 seed
    seed=$((10#$(basename "$file" .ini)))
    if ! out=$("$sim" --rules "$file" --deals "$per" --seed "$seed" 2>&1); then
        echo "VIOLATION with $(tr '\n' ' ' <"$file") seed $seed:" >&2
        echo "$out" >&2
        return 255
    fi
}
export -f run_one
export sim per
ls "$rules"/*.ini | xargs -P "$jobs" -I{} bash -c 'run_one {}'
end=$(date +%s)
echo "soak: $((per * n)) deals, no violation, $((end - start)) s"
