#!/usr/bin/env bash
# Installs what is missing, builds Kvelta and runs every test: the full suite, then the Qt-free
# core's tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
kvelta_install_packages

kvelta_build build
kvelta_build build-sanitize -DKVELTA_SANITIZE=ON -DKVELTA_CORE_ONLY=ON

echo "== core tests under ASan/UBSan"
(cd build-sanitize && ctest --output-on-failure -j2)
echo "== all tests"
(cd build && ctest --output-on-failure -j2)
