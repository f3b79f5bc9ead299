#!/usr/bin/env bash
# Installs what is missing, checks that every C++ file is formatted as .clang-format says,
# builds Kvelta with warnings as errors and runs every test: the full suite, then the Qt-free
# core's tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
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
echo "== all tests"
(cd build && ctest --output-on-failure -j2)
