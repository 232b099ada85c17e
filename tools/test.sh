#!/usr/bin/env bash
# Sets everything up and runs the whole test suite through CTest (warnings are errors in
# this build): the engine, the description and the windows' tests, the end-to-end suite
# on a virtual X server, the web page in two browsers and the Windows program under Wine.
# `ctest --preset ci -L LABEL` runs one of them: engine, description, ui, e2e, web, windows.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh test
ctest --preset ci
