#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; the flow core's tests
# also run under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
JOBS=$(nproc 2>/dev/null || echo 2)

if [ ! -f build-asan/CMakeCache.txt ]; then
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DZEF_CORE_ONLY=ON -DZEF_SANITIZE=ON >/dev/null
fi
cmake --build build-asan -j"$JOBS"
echo "== Flow core under the sanitizers =="
(cd build-asan && ctest --no-tests=error --output-on-failure -j"$JOBS")

echo "== All tests =="
cd build
ctest --no-tests=error --output-on-failure -j"$JOBS"
