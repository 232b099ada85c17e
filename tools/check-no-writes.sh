#!/usr/bin/env bash
# Runs the program for a few seconds under strace on a virtual display and fails if it
# opened a file for writing (other than /dev/null and the toolkit's and fontconfig's own
# caches) or a socket other than the display's.
# Usage: tools/check-no-writes.sh path/to/passer-rating
set -euo pipefail
program=${1:?usage: check-no-writes.sh PROGRAM}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"

# Long enough for the splash window to hand over to the calculator.
HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CACHE_HOME="$work/home/.cache" \
    xvfb-run -a timeout 5 strace -f -qq -e trace=open,openat,creat,socket,connect \
    -o "$work/trace" "$program" >/dev/null 2>&1 || true

[ -s "$work/trace" ] || { echo "no trace written"; exit 1; }
writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(' "$work/trace" | grep -v -E '= -1 E' |
    grep -v -E '"/dev/null"|fontconfig|/\.cache/(qt|mesa|fontconfig)|"'"$work"'/run' || true)
sockets=$(grep -E 'socket\(|connect\(' "$work/trace" | grep -v -E 'AF_UNIX' || true)
displays=$(grep -E 'connect\(.*AF_UNIX' "$work/trace" | grep -v -E 'X11-unix' || true)
if [ -n "$writes$sockets$displays" ]; then
    echo "The program wrote or connected where it should not:"
    printf '%s\n' "$writes" "$sockets" "$displays" | sed '/^$/d'
    exit 1
fi
echo "no files written, no sockets but the display's ($(wc -l <"$work/trace") calls traced)"
