#!/usr/bin/env bash
# Runs the end-to-end suite on a private session bus with the accessibility bus up, so
# the programs' accessibility trees can be read. Everything the suite starts keeps its
# sockets and files in a runtime folder of its own (the accessibility bus would otherwise
# fall back to one in ~/.cache, shared by every suite on the machine), and each case has
# a hard limit, so a hang names its case. Usage: run.sh PATH/TO/passer-rating [pytest arguments]
set -euo pipefail
PASSER_RATING=$(realpath "${1:?usage: run.sh PATH/TO/passer-rating}")
export PASSER_RATING
cd "$(dirname "$0")"
runtime=$(mktemp -d -t e2e-run-XXXXXX)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
# The desktop session (tools/desktop.py) is shared with the benchmarks.
export PYTHONPATH=$PWD/../../tools
# The accessibility registry is up before the first case, as a desktop session starts
# it at login, rather than started by the first program that asks for it; one that does
# not answer stops the suite with that message instead of failing case after case.
# The runtime folder is handed to the session by name, so nothing in it can fall back to
# a shared one; the suite checks that it got it.
dbus-run-session -- env XDG_RUNTIME_DIR="$runtime" XDG_CACHE_HOME="$runtime/cache" bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    timeout 60 /usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0).childCount" ||
        { echo "the accessibility registry did not answer within 60 s"; exit 1; }
    /usr/bin/python3 -m pytest -q -p no:cacheprovider --basetemp="$XDG_RUNTIME_DIR/pytest" --timeout=240 "${@:2}"
' bash "$@"
