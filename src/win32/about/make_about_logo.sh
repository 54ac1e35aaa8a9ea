#!/usr/bin/env bash
# Draws the 97 x 45 maker's logo of the About window (a disc beside the word "Orvane") and saves
# it as a baseline JPEG with three colour components. The result is committed next to this
# script, so building needs neither ImageMagick nor fonts; run it again after changing the design.
#   usage: make_about_logo.sh [output.jpg]
set -euo pipefail

out=${1:-$(dirname "$0")/orvane_logo.jpg}
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -f "$font" ] || { echo "make_about_logo: $font is missing (Debian package fonts-dejavu-core)" >&2; exit 1; }

# Drawn four times larger and scaled down, for smooth edges. The background is the top colour of
# the window's gradient, so the logo sits on it without a visible box.
scale=4
w=$((97 * scale))
h=$((45 * scale))
paper='#FCFCFE'

convert -size ${w}x${h} xc:"$paper" \
  -fill '#1D4F91' -draw "circle 84,90 84,14" \
  -fill '#3C7DC4' -draw "circle 84,90 84,30" \
  -fill '#8FB8E6' -draw "circle 84,90 84,50" \
  -fill "$paper" -draw "circle 84,90 84,72" \
  -fill none -stroke '#FFFFFF' -strokewidth 5 -draw "arc 34,40 134,140 200,260" \
  -stroke none -fill '#23324A' -font "$font" -pointsize 50 \
  -annotate +164+106 'Orvane' \
  -fill '#6A7A90' -draw "rectangle 166,126 368,129" \
  -resize 97x45 \
  -strip -colorspace sRGB -type TrueColor -interlace none -sampling-factor 1x1 -quality 92 \
  "$out"
echo "make_about_logo: wrote $out"
