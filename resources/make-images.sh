#!/usr/bin/env bash
# Draws the program's icon and logo with ImageMagick. The results are checked in; run
# this only to change them.
set -euo pipefail
cd "$(dirname "$0")"
convert=/usr/bin/convert

# The icon: a football on a green field, 32 x 32, 16 colours.
"$convert" -size 32x32 xc:'#2e7d32' \
    -fill '#8b4513' -stroke '#3e1f0a' -strokewidth 1 -draw 'translate 16,16 rotate -35 ellipse 0,0 14,8 0,360' \
    -stroke white -strokewidth 1 -draw 'translate 16,16 rotate -35 line -6,0 6,0' \
    -draw 'translate 16,16 rotate -35 line -4,-2 -4,2 line -1,-2 -1,2 line 2,-2 2,2 line 5,-2 5,2' \
    -colors 16 -type Palette PNG8:passer-rating.png
"$convert" passer-rating.png -colors 16 passer-rating.ico
