#!/usr/bin/env bash
# Installs what is missing, checks that every source file keeps the
# repository's .clang-format, builds, and runs every test, first in a build
# with the address and undefined-behaviour sanitizers, then in the normal build.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --install-only

echo "== Formatting =="
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

scripts/setup.sh
JOBS=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DZEF_CORE_ONLY=OFF -DZEF_SANITIZE=ON \
    -DZEF_BENCH=OFF >/dev/null
cmake --build build-asan -j"$JOBS"
# The tests must leave the user's settings as they were.
configSnapshot() {
    if [ -d "$HOME/.config" ]; then
        (cd "$HOME/.config" && find . -printf '%p %y %s %T@\n' | sort)
    fi
}
configBefore=$(configSnapshot)

echo "== Every test under the sanitizers =="
(cd build-asan && ctest --no-tests=error --output-on-failure -j"$JOBS")

echo "== All tests =="
cd build
ctest --no-tests=error --output-on-failure -j"$JOBS"

if [ "$configBefore" != "$(configSnapshot)" ]; then
    echo "The tests changed $HOME/.config:" >&2
    diff <(echo "$configBefore") <(configSnapshot) >&2 || true
    exit 1
fi
echo "== $HOME/.config is untouched =="
