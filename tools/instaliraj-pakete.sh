#!/usr/bin/env bash
# Installs those of the given Debian packages that are missing (with sudo when not root).
# One dpkg-query for all of them: quick and silent when nothing is missing.
# Usage: tools/instaliraj-pakete.sh package...
set -euo pipefail
[ $# -gt 0 ] || exit 0

declare -A instalirani=()
while read -r ime stanje; do
  if [ "$stanje" = ii ]; then instalirani[${ime%%:*}]=1; fi
done < <(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "$@" 2>/dev/null || true)

nedostaju=()
for p in "$@"; do
  [ -n "${instalirani[${p%%:*}]:-}" ] || nedostaju+=("$p")
done
[ ${#nedostaju[@]} -gt 0 ] || exit 0

echo "Installing: ${nedostaju[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
# apt's output only when it fails.
dnevnik=$(mktemp)
trap 'rm -f "$dnevnik"' EXIT
if ! { $sudo apt-get update -qq \
  && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${nedostaju[@]}"; } \
  >"$dnevnik" 2>&1; then
  cat "$dnevnik" >&2
  exit 1
fi
