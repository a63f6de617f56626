#!/usr/bin/env bash
# Starts the real game once in BUILD/tests/warm_run (a copy of BUILD/run) under a private Xvfb
# until it has written the whole lightmap cache, then ends it with Escape. The end-to-end tests
# copy that cache into their own run folders, so that each start reads the lightmaps instead of
# computing them again (minutes under the sanitizers).
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
run="$build/tests/warm_run"
rm -rf "$run"
mkdir -p "$run"
cp -r "$build/run/." "$run/"
rm -f "$run"/data/lm_*.tga
cd "$run" || exit 1

ZELVO_OUTPUT=null bash "$here/../scripts/with-xvfb.sh" bash -c '
  ../../bin/durnhold >out.txt 2>err.txt &
  game=$!
  # The cache is complete when the menu runs: the build writes every file before the main loop.
  for i in $(seq 1 1200); do
    kill -0 $game 2>/dev/null || break
    n=$(ls data 2>/dev/null | wc -l)
    [ "$n" -ge 200 ] && break
    sleep 0.5
  done
  sleep 2
  xdotool key Escape
  for i in $(seq 1 120); do kill -0 $game 2>/dev/null || break; sleep 0.5; done
  kill $game 2>/dev/null
  wait $game
'
rc=$?
files=$(ls data/lm_*.tga 2>/dev/null | wc -l)
echo "warm lightmap cache: $files files, game exit code $rc"
[ "$rc" -eq 0 ] && [ "$files" -ge 200 ]
