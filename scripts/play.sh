#!/usr/bin/env bash
# Starts the game from its working directory. Needs a display.
set -u
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "make play: no display (DISPLAY is not set); start the game from a graphical session" >&2
  exit 1
fi
cd "$build/run" && exec ../bin/durnhold "$@"
