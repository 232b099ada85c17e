#!/usr/bin/env bash
# Runs the end-to-end suite again and again while two busy loops keep both cores loaded,
# to show that it fails only for a fault. Prints one line a run and the count at the end;
# exits 1 if any run failed. Usage: tools/stress-e2e.sh [RUNS] (default 20), after the
# build (tools/setup.sh test).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
program=$PWD/build/ci/app/passer-rating
logs=$(mktemp -d)
read -r -a loops <<<""
cleanup() { for pid in "${loops[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT
for _ in 1 2; do
    (while :; do :; done) &
    loops+=($!)
done

failed=0
for ((run = 1; run <= runs; run++)); do
    started=$SECONDS
    if bash tests/e2e/run.sh "$program" >"$logs/run-$run.log" 2>&1; then
        result=passed
    else
        result=FAILED
        failed=$((failed + 1))
    fi
    echo "run $run: $result in $((SECONDS - started)) s, load $(cut -d' ' -f1 /proc/loadavg):" \
        "$(grep -E '^[0-9]+ (passed|failed)|[0-9]+ failed' "$logs/run-$run.log" | tail -n 1)"
done
echo "$((runs - failed)) of $runs runs passed under two busy loops (logs in $logs)"
((failed == 0))
