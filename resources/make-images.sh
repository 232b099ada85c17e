#!/usr/bin/env bash
# Draws the program's icon and logo with ImageMagick. The results are checked in; run
# this only to change them.
set -euo pipefail
cd "$(dirname "$0")"
convert=/usr/bin/convert

# The icon, from passer-rating.svg: the window icon at 32 x 32 in 16 colours, a Windows
# .ico, and the sizes the desktop's icon theme takes.
rsvg-convert -w 32 -h 32 passer-rating.svg -o /tmp/passer-rating-32.png
"$convert" /tmp/passer-rating-32.png -background '#2e7d32' -alpha remove -colors 16 \
    -type Palette PNG8:passer-rating.png
"$convert" passer-rating.png -colors 16 passer-rating.ico
mkdir -p icons
for size in 16 32 48 64 128 192 256 512; do
    rsvg-convert -w "$size" -h "$size" passer-rating.svg -o "icons/passer-rating-$size.png"
done
# The web app's maskable icon: the icon inside the safe zone, on its own field's green.
rsvg-convert -w 384 -h 384 passer-rating.svg -o /tmp/passer-rating-384.png
"$convert" /tmp/passer-rating-384.png -background '#2e7d32' -gravity center -extent 512x512 \
    icons/passer-rating-maskable-512.png
# The icon Windows' shell shows (the .exe, the shortcut, installed programs): 16 to 256
# pixels, each a PNG in the .ico.
rsvg-convert -w 24 -h 24 passer-rating.svg -o /tmp/passer-rating-24.png
/usr/bin/python3 -c '
from PIL import Image
sizes = [16, 24, 32, 48, 256]
images = [Image.open(f"icons/passer-rating-{size}.png" if size != 24 else "/tmp/passer-rating-24.png").convert("RGBA")
          for size in sizes]
images[-1].save("passer-rating-shell.ico", sizes=[(size, size) for size in sizes], append_images=images[:-1])
'

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

# The logo as the Windows program keeps it, a 24-bit bitmap resource.
"$convert" logo.jpg -type TrueColor BMP3:logo.bmp
