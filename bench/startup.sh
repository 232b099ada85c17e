#!/usr/bin/env bash
# Time from process start to the splash window being shown, and peak memory with the
# calculator window open, for passer-rating and for the floor program (the least Qt
# Widgets program that shows the same windows). Prints medians over several runs and
# the two ratios. Usage: bench/startup.sh [RUNS] (default 9); needs the release build.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
build=build/release
cmake --preset release >/dev/null
cmake --build --preset release --target passer-rating floor_program map_timer >/dev/null

export DISPLAY=:93
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
sleep 1

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -A times memories
for name in passer-rating floor; do times[$name]=""; memories[$name]=""; done
for ((i = 0; i < runs; ++i)); do
    # Alternate the two, so a slow moment of the machine hits both alike.
    for name in passer-rating floor; do
        program=$build/app/passer-rating
        [ "$name" = floor ] && program=$build/bench/floor_program
        read -r ms kib < <("$build/bench/map_timer" "$program" 2>/dev/null)
        times[$name]+="$ms"$'\n'
        memories[$name]+="$kib"$'\n'
    done
done

for name in passer-rating floor; do
    t=$(printf '%s' "${times[$name]}" | median)
    m=$(printf '%s' "${memories[$name]}" | median)
    printf '%-14s time to splash %7.1f ms   peak memory %7d KiB\n' "$name" "$t" "$m"
    eval "time_${name//-/_}=$t memory_${name//-/_}=$m"
done
awk -v a="$time_passer_rating" -v b="$time_floor" 'BEGIN { printf "time ratio   %.2f (target at most 1.2)\n", a / b }'
awk -v a="$memory_passer_rating" -v b="$memory_floor" 'BEGIN { printf "memory ratio %.2f (target at most 1.3)\n", a / b }'
