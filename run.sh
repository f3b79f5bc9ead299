#!/usr/bin/env bash
# Installs what is missing, builds Kvelta and starts its window.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
kvelta_install_packages
kvelta_build build

# The game reads its cards/, images/ and wavs/ from the current folder: the build folder holds
# them beside the program.
cd build
exec ./kvelta
