#!/usr/bin/env bash
# The runner's scripted human: a random run's events replay byte for byte, the human's
# decisions are written where they are taken, and a replay that cannot follow its file fails.
set -euo pipefail
sim=$1
rules_dir=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Replays reproduce their runs exactly, with the default rules and with every game played out.
for rules in "" "$rules_dir/bezfleku0.ini"; do
    args=(--deals 400 --seed 11)
    [ -n "$rules" ] && args+=(--rules "$rules")
    "$sim" "${args[@]}" --human random --events >"$tmp/run"
    "$sim" "${args[@]}" --human replay "$tmp/run" --events >"$tmp/replay"
    cmp "$tmp/run" "$tmp/replay"
done

# Every kind of decision occurs, in its written form.
card='"[0-3]_([7-9]|1[0-4])"'
for kind in "trump\":$card" "talon\":\[$card,$card\],\"contract\":[0-2],\"seven\":(true|false),\"hundred\":(true|false)" \
    'good":(true|false)' 'flek":([0-9]|[12][0-9]|3[01])' "play\":$card"; do
    grep -Eq "^\{\"human\":\{\"$kind\}\}$" "$tmp/run" || { echo "no human $kind event"; exit 1; }
done

# Decisions come before what they cause: the human's talon event just before the laid talon,
# his card before the trick it lies in.
awk '/^\{"talon":\{"seat":1,/ {
         split($0, a, "\\[|\\]"); split(prev, b, "\\[|\\]")
         if (b[2] != a[2] || prev !~ /^\{"human":\{"talon"/) { print "talon " NR; bad = 1 }
     }
     { prev = $0 }
     END { exit bad }' "$tmp/run"

# A replay whose file went another way stops with the deal's pack and decisions.
first_play=$(grep -m 1 -n '^{"human":{"play"' "$tmp/run" | cut -d: -f1)
sed "${first_play}d" "$tmp/run" >"$tmp/cut"
set +e
"$sim" --deals 400 --seed 11 --rules "$rules_dir/bezfleku0.ini" --human replay "$tmp/cut" \
    >/dev/null 2>"$tmp/err"
rc=$?
set -e
[ "$rc" -eq 1 ] || { echo "a diverging replay exited with $rc"; exit 1; }
grep -q '^kvelta-sim: FAILED: deal [0-9]*: the replay' "$tmp/err"
grep -q '^pack: ' "$tmp/err"
grep -q "^the human's decisions in this deal:" "$tmp/err"

# Arguments: an unknown mode, a missing file and a malformed decision are refused.
expect_usage() {
    set +e
    "$sim" "$@" >/dev/null 2>"$tmp/err"
    local rc=$?
    set -e
    [ "$rc" -eq 2 ] || { echo "kvelta-sim $* exited with $rc"; exit 1; }
}
expect_usage --human robot
expect_usage --human replay
expect_usage --human replay "$tmp/none"
printf '{"deal":{"number":1,"forehand":2}}\n{"human":{"play":"4_7"}}\n' >"$tmp/bad"
expect_usage --human replay "$tmp/bad"
grep -q "bad:2: not a human decision" "$tmp/err"
printf '{"human":{"talon":["1_7","1_8"],"contract":0}}\n' >"$tmp/bad"
expect_usage --human replay "$tmp/bad"
echo "scripted human replays and checks"
