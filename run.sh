#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
# Both installed programs, so that `cmake --install build` works after it.
scripts/setup.sh zef zef-render
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start it under a virtual display (Debian package xvfb) with  xvfb-run -s '-screen 0 1280x1024x24' ./run.sh" >&2
    exit 1
fi
exec build/zef "$@"
