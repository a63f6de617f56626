#!/usr/bin/env bash
# Installs every Debian package that building, testing and running need.
# Idempotent: packages already present are left alone and apt is not touched.
# The package lists live in scripts/packages/*.txt, one name per line, one file per subsystem.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mapfile -t wanted < <(cat "$here"/packages/*.txt | sed 's/#.*//' | tr -s ' \t' '\n' | grep -v '^$' | sort -u)
missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "install: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
