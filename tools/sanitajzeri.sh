#!/usr/bin/env bash
# Builds the program and all its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-san/ and runs the whole test suite there; any sanitizer report fails its test.
# With clang++ and libFuzzer present (tools/fuzz.sh --dostupno) the build is made with clang++
# and also holds the fuzz targets (KARUVEL_FUZZ), which tools/fuzz.sh then runs; otherwise g++.
# Run tools/pripremi.sh (or ./test.sh) first: it installs what the build needs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bld="$top/build-san"

opcije=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if "$top/tools/fuzz.sh" --dostupno; then
  opcije+=(-DCMAKE_CXX_COMPILER=clang++ -DKARUVEL_FUZZ=ON)
else
  opcije+=(-DCMAKE_CXX_COMPILER=g++ -DKARUVEL_SANITAJZERI=ON)
fi
if command -v ccache >/dev/null; then
  opcije+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$top" -B "$bld" "${opcije[@]}" >/dev/null
cmake --build "$bld" -j"$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$bld"
exec ctest --output-on-failure -j"$(nproc)" --timeout 600
