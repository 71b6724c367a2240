#!/usr/bin/env bash
# check-picture.sh <picture>: checks that a screenshot shows Tallowick's first
# picture with its default colours (scene/Scene.h): the clear colour
# (0.45, 0.55, 0.60) over most of the window, and the triangle's three vertex
# colours, pure red, green and blue, near its corners: more of each than the
# panel's colour swatches hold (about 300 pixels), far less than the corners
# (about 14,000 each). Prints what it found;
# fails when a colour is missing. Uses ImageMagick.
set -euo pipefail
picture=$1
[ -s "$picture" ] || { echo "no picture in $picture" >&2; exit 1; }

# One line per colour of the picture: "<count>: (<r>,<g>,<b>..." in 8 bits.
histogram=$(convert "$picture" -alpha off -depth 8 -format %c histogram:info:-)

awk '
  {
    count = $1 + 0
    line = $0
    sub(/^[^(]*\(/, "", line)
    split(line, channel, /[,)]/)
    r = channel[1] + 0; g = channel[2] + 0; b = channel[3] + 0
    total += count
    if (near(r, 115) && near(g, 140) && near(b, 153)) clear += count
    if (r >= 200 && g <= 55 && b <= 55) red += count
    if (r <= 55 && g >= 200 && b <= 55) green += count
    if (r <= 55 && g <= 55 && b >= 200) blue += count
  }
  function near(value, wanted) { return value >= wanted - 3 && value <= wanted + 3 }
  END {
    printf "pixels: %d clear colour, %d red, %d green, %d blue of %d\n", clear, red, green, blue, total
    if (clear < total / 4) { print "the clear colour (115, 140, 153) covers less than a quarter of the picture"; bad = 1 }
    if (red < 2000) { print "too few red pixels for the triangle'"'"'s first vertex"; bad = 1 }
    if (green < 2000) { print "too few green pixels for the triangle'"'"'s second vertex"; bad = 1 }
    if (blue < 2000) { print "too few blue pixels for the triangle'"'"'s third vertex"; bad = 1 }
    exit bad
  }' <<<"$histogram"
