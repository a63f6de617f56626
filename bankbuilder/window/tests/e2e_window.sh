#!/usr/bin/env bash
# End to end: the real wavecrate with its window on a virtual X server (run under
# scripts/with-xvfb.sh). Builds a bank from the Build button clicked with xdotool, leaves with
# File > Exit from the keyboard, then runs command-line builds with the window shown and hidden.
# Usage: e2e_window.sh <wavecrate> <folder for screenshots>
set -u
wavecrate=$(realpath "$1")
shots=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  for f in "$work"/stderr.*; do [ -s "$f" ] && { echo "--- $f" >&2; grep -v QStandardPaths "$f" >&2; }; done
  exit 1
}

mkdir -p "$work/src" "$work/out" "$work/cfg/Zelvo Sample Bank Builder" "$shots"
for i in 1 2 3; do
  sox -r 22050 -c 1 -n -b 16 "$work/src/s$i.wav" synth 1000s sine 440 2>/dev/null || fail "sox"
done
export XDG_CONFIG_HOME=$work/cfg
export ZELVO_OUTPUT=null
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
settings="$work/cfg/Zelvo Sample Bank Builder/wavecrate.conf"
printf '[Settings]\nsrcdir=%s\ndestname=%s\nbuildmode=0\nplatform=3\nformat=3\n' \
  "$work/src" "$work/out/bank.wvc" >"$settings"
cp "$settings" "$work/settings.before"

find_window() {
  local w=""
  for _ in $(seq 300); do
    w=$(xdotool search --onlyvisible --name "^Zelvo Sample Bank Generator 1.15$" 2>/dev/null | head -1)
    [ -n "$w" ] && break
    sleep 0.1
  done
  echo "$w"
}

le32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }

# Interactive: the Build button, then File > Exit.
(cd "$work" && exec "$wavecrate" 2>"$work/stderr.interactive") &
pid=$!
w=$(find_window)
[ -n "$w" ] || fail "the window did not appear"
eval "$(xdotool getwindowgeometry --shell "$w")"
# The Build button (332, 68, 50, 70 in dialog units of a 390 x 394 client under the menu bar):
# its middle is 357 units from the left and 291 units above the bottom. The menu bar is about
# 22 pixels high; the button is far taller than that guess can be wrong.
bx=$((WIDTH * 357 / 390))
by=$((HEIGHT - (HEIGHT - 22) * 291 / 394))
import -window root "$shots/e2e_start.png"
xdotool mousemove --window "$w" "$bx" "$by" click 1
for _ in $(seq 100); do [ -f "$work/out/bank.wvc" ] && break; sleep 0.1; done
sleep 0.5
[ -f "$work/out/bank.wvc" ] || fail "Build made no bank"
[ "$(le32 "$work/out/bank.wvc" 4)" = 3 ] || fail "bank holds $(le32 "$work/out/bank.wvc" 4) samples, not 3"
[ "$(le32 "$work/out/bank.wvc" 12)" = 6000 ] || fail "bank data size"
import -window root "$shots/e2e_built.png"
xdotool windowfocus --sync "$w" key alt+f
sleep 0.3
xdotool key x
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && { kill $pid; fail "File > Exit did not end the program"; }
wait $pid || fail "interactive run exit code $?"
cmp -s "$settings" "$work/settings.before" || fail "File > Exit saved the settings"

# Command lines over sources with a broken file: the warnings window holds each build until it
# is answered, so the windows can be seen (and the program cannot end before they are).
mkdir -p "$work/src2"
cp "$work/src/s1.wav" "$work/src/s2.wav" "$work/src2/"
echo "not a sound" >"$work/src2/broken.wav"

find_named() {
  local w=""
  for _ in $(seq 300); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$w" ] && break
    sleep 0.1
  done
  echo "$w"
}

answer_warnings() {
  local ww
  ww=$(find_named "^Warnings during sound compilation$")
  if [ -z "$ww" ]; then
    kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "no warnings window ($1)"; }
    wait "$pid"
    fail "no warnings window ($1): the program ended with $?"
  fi
  [ "$1" = shown ] && import -window root "$shots/e2e_warnings.png"
  xdotool windowfocus --sync "$ww" key Return
}

# With the window shown: builds by itself, waits for the warnings, then ends with 0.
(cd "$work" && exec "$wavecrate" -o "$work/out/cl.wvc" "$work/src2" -p cross -f pcm 2>"$work/stderr.shown") &
pid=$!
[ -n "$(find_window)" ] || fail "the command-line window did not appear"
answer_warnings shown
wait $pid
code=$?
[ $code = 0 ] || fail "command-line build exit code $code"
[ "$(le32 "$work/out/cl.wvc" 4)" = 2 ] || fail "command-line bank"

# Hidden: only the warnings window appears.
(cd "$work" && exec "$wavecrate" -h -o "$work/out/hidden.wvc" "$work/src2" -m i 2>"$work/stderr.hidden") &
pid=$!
answer_warnings hidden
[ -z "$(xdotool search --onlyvisible --name "^Zelvo Sample Bank Generator" 2>/dev/null)" ] ||
  fail "-h showed the window"
wait $pid
code=$?
[ $code = 0 ] || fail "hidden build exit code $code"
[ "$(le32 "$work/out/hidden.wvc" 4)" = 1 ] || fail "interleaved bank holds one sample header"
[ "$(le32 "$work/out/hidden.wvc" 12)" = 6000 ] || fail "interleaved bank data size $(le32 "$work/out/hidden.wvc" 12)"
cmp -s "$settings" "$work/settings.before" || fail "a command-line run saved the settings"
echo "e2e window: all passed"
