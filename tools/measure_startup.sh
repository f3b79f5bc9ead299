#!/usr/bin/env bash
# Start-up and idle budget of the window, measured under Xvfb:
#   - the time from launch to the main window shown (target: 500 ms), and the processor time
#     the program used until then, which other work on the machine does not stretch,
#   - resident memory after the first deal is dealt (target: under 120 MB),
#   - processor time while the game waits for the human (target: under 1%).
#
#   tools/measure_startup.sh [--alone] [PROGRAM] [IDLE_SECONDS]
# --alone runs the X server and the program at real-time priority (needs root), as if the
# machine were theirs alone: on a machine busy with other work the waits for the processor, and
# the X server's replies, are most of the time to the window.
# PROGRAM defaults to build/kvelta, run from its own folder (where cards/, images/ and wavs/
# are); an installed launcher (PREFIX/bin/kvelta) works too. The settings and statistics are
# kept in a scratch folder, so the measurement leaves the player's files alone.
set -euo pipefail
if [ "${1:-}" = --alone ]; then
    shift
    exec chrt --fifo 10 "$0" "$@"
fi
here=$(cd "$(dirname "$0")/.." && pwd)
program=$(readlink -f "${1:-$here/build/kvelta}")
idle_seconds=${2:-10}
for tool in Xvfb xdotool; do
    command -v $tool >/dev/null || { echo "error: $tool is needed" >&2; exit 1; }
done

scratch=$(mktemp -d)
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=
cleanup() {
    # The program closes (and saves) before its display goes away under it.
    if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then
        for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    fi
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

now_ms() { date +%s%3N; }
# Pages the kernel counts for a process: resident memory in kB and CPU ticks so far.
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$pid/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }

if [[ $program == */bin/kvelta ]]; then
    # The installed launcher: the per-user folder goes to the scratch folder.
    env XDG_DATA_HOME="$scratch" KVELTA_SEED=1 "$program" >"$scratch/log" 2>&1 &
else
    (cd "$(dirname "$program")" &&
        exec env KVELTA_SETTINGS_DIR="$scratch" KVELTA_SEED=1 "$program" >"$scratch/log" 2>&1) &
fi
launcher=$!
start=$(now_ms)

# The main window is the visible one titled "Kvelta" (the credits splash is "O programu").
# A short nap between looks leaves the processor to the program on a busy machine.
window=
until window=$(xdotool search --onlyvisible --name '^Kvelta$' 2>/dev/null | head -1) &&
    [ -n "$window" ]; do
    kill -0 "$launcher" 2>/dev/null || { cat "$scratch/log" >&2; exit 1; }
    [ $(($(now_ms) - start)) -lt 20000 ] || { echo "error: no window in 20 s" >&2; exit 1; }
    sleep 0.01
done
shown=$(now_ms)
pid=$(xdotool getwindowpid "$window" 2>/dev/null || pgrep -n -P "$launcher" || echo "$launcher")
hz=$(getconf CLK_TCK)
echo "window shown after:   $((shown - start)) ms ($(($(cpu_ticks) * 1000 / hz)) ms of processor time by then;" \
    "load average $(cut -d' ' -f1 /proc/loadavg) on $(nproc) cores)"

# The first deal: F2, then give the game time to deal and the computer players to announce.
sleep 1
xdotool windowfocus --sync "$window" key F2
sleep 5
echo "resident after deal:  $(($(rss_kb) / 1024)) MB"

t0=$(cpu_ticks)
sleep "$idle_seconds"
t1=$(cpu_ticks)
awk -v d=$((t1 - t0)) -v hz="$hz" -v s="$idle_seconds" \
    'BEGIN { printf "CPU while waiting:    %.2f %% (%d ticks in %d s)\n", 100 * d / hz / s, d, s }'
