#!/usr/bin/env bash
# Installs the Debian packages Karuvel needs that are missing, then configures and builds it.
# Safe to run again: it installs nothing when everything is in place.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

paketi=(cmake g++ make pkgconf qt6-base-dev libgl-dev fonts-liberation2 libgtest-dev libbenchmark-dev libchm-dev fp-utils libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev)

nedostaju=()
for p in "${paketi[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    nedostaju+=("$p")
  fi
done

if [ ${#nedostaju[@]} -gt 0 ]; then
  echo "Installing: ${nedostaju[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${nedostaju[@]}"
fi

cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" -j"$(nproc)"
