#!/usr/bin/env bash
# Sets everything up and runs the whole test suite (warnings are errors in this build),
# the end-to-end suite on a virtual X server and the web page in two browsers included.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh test
ctest --preset ci
bash tools/check-web.sh
