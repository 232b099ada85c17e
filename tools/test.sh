#!/usr/bin/env bash
# Sets everything up and runs the whole test suite (warnings are errors in this build).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh ci
ctest --preset ci
