#!/usr/bin/env bash
# Runs the end-to-end suite on a private session bus with the accessibility bus up, so
# the programs' accessibility trees can be read. Usage: run.sh PATH/TO/passer-rating
set -euo pipefail
PASSER_RATING=$(realpath "${1:?usage: run.sh PATH/TO/passer-rating}")
export PASSER_RATING
cd "$(dirname "$0")"
# The desktop session (tools/desktop.py) is shared with the benchmarks.
export PYTHONPATH=$PWD/../../tools
exec dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    /usr/bin/python3 -m pytest -q -p no:cacheprovider "${@:2}"
' bash "$@"
