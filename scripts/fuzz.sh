#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a while, starting from its saved corpus.
set -eu
build=$1
seconds=${2:-60}
for f in "$build"/fuzz/*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus=$(mktemp -d)
  seeds=$(cat "$build/fuzz/$name.corpus" 2>/dev/null || true)
  echo "== $name ($seconds s)"
  "$f" -max_total_time="$seconds" -rss_limit_mb=2048 "$corpus" $seeds
  rm -rf "$corpus"
done
