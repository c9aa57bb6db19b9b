#!/bin/bash
# Draws the about box's picture (400 x 160, JPEG) with ImageMagick. The result is kept in
# the repository, so building never needs this; run it again after changing the picture.
set -euo pipefail
out="${1:-$(dirname "$0")/../src/win32/resources/about.jpg}"
convert -size 400x160 gradient:'#1f4e8c-#dce9f7' \
  \( -size 400x26 xc:'#2b2b2b' \) -geometry +0+0 -composite \
  -fill '#e8a33d' -draw "roundrectangle 12,4 30,22 3,3" \
  -fill '#5fb85f' -draw "roundrectangle 38,4 56,22 3,3" \
  -fill '#4f8fe0' -draw "roundrectangle 64,4 82,22 3,3" \
  -fill '#d9534f' -draw "roundrectangle 90,4 108,22 3,3" \
  -fill '#b07fd6' -draw "roundrectangle 116,4 134,22 3,3" \
  -fill '#f0f0f0' -draw "roundrectangle 142,4 160,22 3,3" \
  -font DejaVu-Sans-Bold -pointsize 52 -fill '#00000055' -annotate +26+102 'Kromelik' \
  -fill white -annotate +23+99 'Kromelik' \
  -font DejaVu-Sans -pointsize 15 -fill '#10284a' -annotate +26+136 'pasek szybkiego uruchamiania' \
  -quality 88 -sampling-factor 4:2:0 -strip "$out"
