#!/usr/bin/env bash
# Sets up what Karuvel needs, builds it and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/tools/pripremi.sh"
exec "$top/build/karuvel"
