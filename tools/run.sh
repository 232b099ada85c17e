#!/usr/bin/env bash
# Sets everything up and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh release
program=build/release/app/passer-rating
if [ ! -x "$program" ]; then
    echo "The engine is built; the calculator window is not part of this build yet."
    echo "Run the engine's tests with: bash tools/test.sh"
    exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found; starting the calculator on a virtual X display (xvfb-run)."
    exec xvfb-run -a "$program"
fi
exec "$program"
