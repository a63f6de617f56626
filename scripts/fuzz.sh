#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a while, starting from its seed corpus, in a
# scratch corpus folder. Stops at the first target that finds a crash.
set -eu
build=$1
seconds=${2:-60}
shopt -s nullglob
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp"
# Every fuzz target leaves NAME.corpus (its seed folders) beside itself; other programs in the
# folder (seed makers) are not targets.
for list in "$build"/fuzz/*.corpus; do
  name=$(basename "$list" .corpus)
  f="$build/fuzz/$name"
  [ -x "$f" ] || continue
  scratch=$(mktemp -d)
  seeds=$(cat "$list")
  echo "== fuzz $name for $seconds s"
  if ! "$f" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 \
       -artifact_prefix="$build/fuzz/$name-" "$scratch" $seeds >"$build/fuzz/$name.log" 2>&1; then
    tail -n 40 "$build/fuzz/$name.log"
    rm -rf "$scratch"
    echo "fuzz $name: failed (log: $build/fuzz/$name.log)"
    exit 1
  fi
  grep -E '^#[0-9]+.*DONE' "$build/fuzz/$name.log" | tail -n 1 || true
  rm -rf "$scratch"
done
