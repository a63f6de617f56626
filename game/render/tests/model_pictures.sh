#!/usr/bin/env bash
# Pictures of every model and of the test room as PNG files, for looking at:
#   game/render/tests/model_pictures.sh <build dir> [output dir]
# Uses the game's generated textures from <build dir>/run when they are there.
set -eu
build=$(cd "$1" && pwd)
out=${2:-$build/render_models}
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../../scripts/with-xvfb.sh" "$build/bin/dh_model_viewer" "$out" "$build/run"
for f in "$out"/*.ppm; do
    /usr/bin/convert "$f" "${f%.ppm}.png"
    rm "$f"
done
echo "pictures in $out"
