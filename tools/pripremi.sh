#!/usr/bin/env bash
# Installs the Debian packages Karuvel needs that are missing, then configures and builds it.
# Safe to run again: it installs nothing when everything is in place.
#   tools/pripremi.sh program   the program alone, Release, in build-release/: silent unless the
#                               build fails, with one line when there is something to build
#   tools/pripremi.sh testovi   the program with its tests, in build/
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
nacin=${1:-testovi}

# fp-utils brings chmcmd, which compiles the help file; it is needed only to build, and dpkg-dev
# and file only to make the Debian package (dpkg-shlibdeps finds its dependencies). clang and
# libclang-rt-dev (libFuzzer, the sanitizer runtimes of clang) serve only the checked builds of
# tools/sanitajzeri.sh and tools/fuzz.sh. Qt Charts' CMake files need libqt6opengl6-dev. xvfb, xauth,
# dbus-daemon and at-spi2-core let the tests read the windows over the accessibility bus.
paketi=(cmake g++ ninja-build pkgconf qt6-base-dev libgl-dev libfontconfig-dev fonts-liberation2 libmspack-dev fp-utils dpkg-dev file
  libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev)
paketi_testova=(libgtest-dev libbenchmark-dev desktop-file-utils appstream groff-base clang libclang-rt-dev
  xvfb xauth dbus-daemon at-spi2-core)

case "$nacin" in
  program)
    "$top/tools/instaliraj-pakete.sh" "${paketi[@]}"
    gradnja=$top/build-release
    podesavanje=(-DCMAKE_BUILD_TYPE=Release -DKARUVEL_TESTS=OFF)
    ;;
  testovi)
    "$top/tools/instaliraj-pakete.sh" "${paketi[@]}" "${paketi_testova[@]}"
    gradnja=$top/build
    podesavanje=(-DKARUVEL_TESTS=ON)
    ;;
  *) echo "usage: $0 program|testovi" >&2; exit 2 ;;
esac

# A build folder made before keeps its generator.
if [ ! -f "$gradnja/CMakeCache.txt" ]; then
  podesavanje+=(-G Ninja)
fi
if [ "$nacin" = testovi ]; then
  cmake -S "$top" -B "$gradnja" "${podesavanje[@]}" >/dev/null
  exec cmake --build "$gradnja" -j"$(nproc)"
fi

mkdir -p "$gradnja"
dnevnik=$gradnja/pripremi.log
if [ ! -f "$gradnja/build.ninja" ] && [ ! -f "$gradnja/Makefile" ]; then
  echo "Building Karuvel in build-release/; the first time takes a few minutes ..."
  if ! cmake -S "$top" -B "$gradnja" "${podesavanje[@]}" >"$dnevnik" 2>&1; then
    cat "$dnevnik" >&2
    exit 1
  fi
  cmake --build "$gradnja" -j"$(nproc)" >"$dnevnik" 2>&1 && kod=0 || kod=$?
else
  # The build writes its exit code when it ends; a note comes only when that takes more than a moment.
  exec {kraj}< <(cmake --build "$gradnja" -j"$(nproc)" >"$dnevnik" 2>&1 && echo 0 || echo $?)
  if ! read -r -t 1 kod <&"$kraj"; then
    echo "Building Karuvel in build-release/ ..."
    read -r kod <&"$kraj"
  fi
  exec {kraj}<&-
fi
if [ "$kod" -ne 0 ]; then
  cat "$dnevnik" >&2
  echo "The build failed; its output is above and in $dnevnik" >&2
  exit 1
fi
