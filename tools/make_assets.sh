#!/usr/bin/env bash
# Makes every picture and sound of the game into assets/: the card faces (cards/), the card
# backs (images/), the icon (icons/) and the sounds (wavs/). The results are committed, so the
# game itself builds and runs without the tools used here. Running it again gives the same
# bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
KVELTA_PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev fonts-dejavu-core
    sox espeak-ng)
kvelta_install_packages

cmake -S tools/assets -B build-assets -G Ninja >/dev/null
cmake --build build-assets -j2

rm -rf assets/cards assets/images assets/icons assets/wavs
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime build-assets/kvelta-assets assets "$@"
tools/assets/make_sounds.sh assets/wavs
echo "assets: $(find assets -type f \( -name '*.bmp' -o -name '*.png' -o -name '*.svg' -o -name '*.wav' \) | wc -l) files written"
