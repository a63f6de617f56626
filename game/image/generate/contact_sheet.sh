#!/usr/bin/env bash
# Puts every generated picture into one PNG, each labelled with its file name.
# Usage: contact_sheet.sh RUN_DIR OUTPUT.png FILE...
set -eu
run=$1 out=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
i=0
for f in "$@"; do
  i=$((i + 1))
  # TGA files note a bottom-left origin; -auto-orient shows them the right way up. The font is
  # white on transparent, so it is flattened onto a dark grey to be seen.
  /usr/bin/convert "$run/$f" -auto-orient -background '#303030' -flatten -resize 256x256 \
    "$tmp/$(printf %02d $i).png"
  labels+=(-label "$f" "$tmp/$(printf %02d $i).png")
done
/usr/bin/montage "${labels[@]}" -tile 6x -geometry 256x256+6+6 -background '#202020' \
  -fill white -font "${DH_DEJAVU_DIR:-/usr/share/fonts/truetype/dejavu}/DejaVuSans.ttf" \
  -pointsize 14 "$out"
echo "$out"
