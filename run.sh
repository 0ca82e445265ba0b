#!/usr/bin/env bash
# Sets up what Karuvel needs, builds the program (without its tests) and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/tools/pripremi.sh" program
exec "$top/build-release/karuvel" "$@"
