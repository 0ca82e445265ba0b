#!/usr/bin/env bash
# Sets up what Karuvel needs, builds it with its tests and runs the whole test suite.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/tools/pripremi.sh" testovi
cd "$top/build"
exec ctest --output-on-failure -j2
