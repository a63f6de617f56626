#!/usr/bin/env bash
# Draws the lit rooms of lightmap_view under a private X server and turns them into PNG files.
#   lightmap_pictures.sh <lightmap_view> <out dir> <picture dir>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$2"
"$here/../../../scripts/with-xvfb.sh" "$1" "$2" "$3"
for f in "$2"/*.ppm; do
    /usr/bin/convert "$f" "${f%.ppm}.png"
done
ls "$2"/*.png
