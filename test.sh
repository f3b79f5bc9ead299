#!/usr/bin/env bash
# Installs what is missing, checks that every C++ file is formatted as .clang-format says,
# builds Kvelta with warnings as errors and runs every test: the Qt-free core's tests and a short
# soak of the headless runner under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# full suite. tools/soak.sh alone runs the million-deal soak.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
kvelta_install_packages

echo "== source format (.clang-format)"
kvelta_check_format

kvelta_build build -DKVELTA_WERROR=ON
kvelta_build build-sanitize -DKVELTA_SANITIZE=ON -DKVELTA_CORE_ONLY=ON -DKVELTA_WERROR=ON

echo "== core tests under ASan/UBSan"
(cd build-sanitize && ctest --output-on-failure -j2)
# The headless runner under the sanitizers: a short soak over every rule combination.
cmake -S . -B build-sanitize-sim -G Ninja -DKVELTA_SANITIZE=ON >/dev/null
cmake --build build-sanitize-sim -j2 --target kvelta-sim
echo "== headless runner under ASan/UBSan"
KVELTA_SIM=build-sanitize-sim/kvelta-sim tools/soak.sh 28800
echo "== all tests"
(cd build && ctest --output-on-failure -j2)
