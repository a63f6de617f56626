#!/usr/bin/env bash
# Runs a command with a private virtual X server: starts Xvfb on a free display, exports DISPLAY,
# runs the command, stops the server and returns the command's exit code.
# XVFB_SCREEN sets the screen (default 1280x1024x24).
set -u
screen=${XVFB_SCREEN:-1280x1024x24}

# Servers started at the same moment can trip over each other's lock files: a server that
# cannot be reached is replaced by a new one. -noreset keeps the server from resetting when its
# last client leaves (the check below is one), which would refuse the next client for a moment.
start_server() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset +extension GLX +extension RANDR \
    3>"$fifo" 2>/dev/null &
  xpid=$!
  num=""
  read -r -t 20 num <"$fifo"
  rm -f "$fifo"
  [ -n "$num" ] && xdpyinfo -display ":$num" >/dev/null 2>&1
}

for attempt in 1 2 3 4 5; do
  if start_server; then break; fi
  kill "$xpid" 2>/dev/null
  wait "$xpid" 2>/dev/null
  num=""
  sleep "$attempt"
done
if [ -z "$num" ]; then
  echo "with-xvfb: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$num"
"$@"
rc=$?
kill "$xpid" 2>/dev/null
wait "$xpid" 2>/dev/null
exit $rc
