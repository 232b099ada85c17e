#!/usr/bin/env bash
# Sets everything up and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh run
program=build/ci/app/passer-rating
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found; starting the calculator on a virtual X display (xvfb-run)."
    exec xvfb-run -a "$program"
fi
exec "$program"
