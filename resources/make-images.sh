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

# The logo: 200 x 233, a football over the maker's initial on a dark green field.
font=/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf
"$convert" -size 200x233 gradient:'#43a047-#1b5e20' \
    -fill '#ffffff33' -stroke none -draw 'rectangle 0,150 200,153 rectangle 0,190 200,193' \
    -font "$font" -pointsize 120 -fill '#ffffff40' -gravity center -annotate +0-40 'M' \
    -fill '#8b4513' -stroke '#3e1f0a' -strokewidth 3 -draw 'translate 100,120 rotate -30 ellipse 0,0 78,44 0,360' \
    -stroke white -strokewidth 3 -draw 'translate 100,120 rotate -30 line -34,0 34,0' \
    -strokewidth 3 -draw 'translate 100,120 rotate -30 line -24,-9 -24,9 line -8,-9 -8,9 line 8,-9 8,9 line 24,-9 24,9' \
    -stroke none -fill white -pointsize 22 -gravity south -annotate +0+10 'Passer Rating' \
    -strip -quality 90 logo.jpg
