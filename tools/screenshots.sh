#!/usr/bin/env bash
# Takes the screenshots in docs/ under a virtual X display with a window manager.
# Needs: xvfb, openbox, xdotool, imagemagick (not part of the set-up: run by hand).
# Usage: tools/screenshots.sh [path/to/passer-rating]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/release/app/passer-rating}
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
sleep 1
openbox >/dev/null 2>&1 &
sleep 1

# A window with its frame, which the window manager draws.
shoot() { import -frame -window "$2" "docs/$1"; }

# The calculator with a computed rating: Completions first, then attempts, as the tab
# order runs.
"$program" &
app=$!
sleep 1
shoot splash.png "$(xdotool search --class passer-rating | head -n 1)"
sleep 2.5
xdotool type --delay 60 "343"; xdotool key Tab; xdotool type --delay 60 "502"
xdotool key Tab; xdotool type --delay 60 "4643"; xdotool key Tab; xdotool type "45"
xdotool key Tab; xdotool type "6"; xdotool key Return
sleep 1
shoot calculator.png "$(xdotool search --name "^Morvalenite Passer Rating Calculator$" | head -n 1)"

# The About window over it.
xdotool key alt+h; sleep 0.5; xdotool key a; sleep 1
shoot about.png "$(xdotool search --name "^About Morvalenite Passer Rating Calculator$" | head -n 1)"
kill "$app" 2>/dev/null || true
