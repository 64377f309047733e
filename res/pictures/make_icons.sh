#!/bin/sh
# Renders the desktop icon res/desktop/zavscore.svg at the hicolor sizes the
# desktop asks for, into res/desktop/zavscore-<size>.png (rsvg-convert, from
# Debian's librsvg2-bin). sh res/pictures/make_icons.sh
set -eu
desktop="$(dirname "$0")/../desktop"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$desktop/zavscore.svg" -o "$desktop/zavscore-$size.png"
done
