#!/usr/bin/env bash
# The window over time: a scripted human plays DEALS deals (a thousand unless told) through the
# real main window on the offscreen platform, with the trick pause cut to a millisecond. It
# prints the resident memory after deal 100 and at the end and how fast the game log answers,
# and fails when memory grew by more than 5 MB between the two or a deal got stuck.
#
#   tools/window_soak.sh [DEALS] [SEED]     (uses build/tests/ui/window_soak; a few minutes)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KVELTA_BUILD:-$here/build}
driver=$build/tests/ui/window_soak
[ -x "$driver" ] || { echo "error: build $driver first (cmake --build build)" >&2; exit 1; }
# The driver reads cards/ and images/ from the current folder, as the program does.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
cd "$build"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime "$driver" "${1:-1000}" "${2:-1}"
