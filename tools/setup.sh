#!/usr/bin/env bash
# Shared by run.sh and test.sh: install the Debian packages Kvelta needs (only those missing)
# and build it. Fails loudly: any error stops the script with a non-zero status.
set -euo pipefail

KVELTA_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev libsimpleini-dev
    qt6-base-dev qt6-multimedia-dev fonts-dejavu-core
    clang-format
    desktop-file-utils appstream
)
# Only tools/fuzz.sh needs these: clang and its libFuzzer.
KVELTA_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

kvelta_install_packages() {
    local missing=()
    local p
    for p in "${KVELTA_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "error: need root or sudo to install ${missing[*]}" >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# kvelta_build DIR [cmake options...]
kvelta_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j2
}

# Fails, naming the files, when a C++ source differs from what .clang-format (clang-format from
# Debian) makes of it. Fix with: clang-format -i FILE...
kvelta_check_format() {
    local listed=() files=() f report
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        mapfile -t listed < <(git ls-files '*.cpp' '*.h')
    else
        mapfile -t listed < <(find src tests tools bench -name '*.cpp' -o -name '*.h')
    fi
    [ ${#listed[@]} -gt 0 ] || return 0
    for f in "${listed[@]}"; do
        [ -f "$f" ] && files+=("$f")  # a file deleted but not yet committed is skipped
    done
    if report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
        return 0
    fi
    echo "error: not formatted as .clang-format says (run clang-format -i on them):" >&2
    grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$report" | cut -d: -f1 | sort -u | sed 's/^/  /' >&2
    exit 1
}
