#!/usr/bin/env bash
# Installs what is missing, builds Kvelta and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
kvelta_install_packages
kvelta_build build

if [ -x build/kvelta ]; then
    exec build/kvelta
fi
echo
echo "The game's window is not built yet: this version has the rules engine and its tools only."
echo "Three computer players can play deals headless: build/kvelta-sim --deals 10"
