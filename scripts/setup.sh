#!/usr/bin/env bash
# Shared by run.sh and test.sh: install the Debian packages that are missing,
# then configure and build in build/ the given targets (all when none).
# With --install-only it stops after installing.
set -euo pipefail

PACKAGES=(cmake make g++ qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev fonts-dejavu-core
          qt6-svg-dev qt6-translations-l10n desktop-file-utils clang-format)

missing=()
for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[ "${1:-}" = "--install-only" ] && exit 0

cd "$(dirname "$0")/.."
JOBS=$(nproc 2>/dev/null || echo 2)
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
TARGETS=()
for target in "$@"; do TARGETS+=(--target "$target"); done
cmake --build build -j"$JOBS" "${TARGETS[@]}"
