#!/usr/bin/env bash
# Runs an end-to-end suite again and again while busy loops keep the cores loaded (four by
# default, two a core), to show that it fails only for a fault. Prints one line a run and
# the count at the end; exits 1 if any run failed.
# Usage: tools/stress-e2e.sh [RUNS] [desktop|web] [LOOPS] (default 20 runs of the desktop
# suite under 4 loops), after the build (tools/test.sh builds both).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
suite=${2:-desktop}
busy=${3:-4}
program=$PWD/build/ci/app/passer-rating
case $suite in
desktop) command=(bash tests/e2e/run.sh "$program") ;;
web) command=(node --test tests/web/) ;;
*) echo "usage: tools/stress-e2e.sh [RUNS] [desktop|web]" >&2 && exit 2 ;;
esac
logs=$(mktemp -d)
read -r -a loops <<<""
cleanup() { for pid in "${loops[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT
for ((loop = 0; loop < busy; loop++)); do
    (while :; do :; done) &
    loops+=($!)
done

failed=0
for ((run = 1; run <= runs; run++)); do
    started=$SECONDS
    if "${command[@]}" >"$logs/run-$run.log" 2>&1; then
        result=passed
    else
        result=FAILED
        failed=$((failed + 1))
    fi
    echo "run $run: $result in $((SECONDS - started)) s, load $(cut -d' ' -f1 /proc/loadavg):" \
        "$(grep -E '^[0-9]+ (passed|failed)|[0-9]+ failed|^# (pass|fail) ' "$logs/run-$run.log" | tail -n 2 | tr '\n' ' ')"
done
echo "$((runs - failed)) of $runs runs of the $suite suite passed under $busy busy loops (logs in $logs)"
((failed == 0))
