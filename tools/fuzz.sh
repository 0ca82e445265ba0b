#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/, clang++) in build-san/ and runs each for a while.
#   tools/fuzz.sh [seconds per target, default 60] [target...]   all targets when none named
#   tools/fuzz.sh --dostupno     exit status 0 when clang++ with libFuzzer is there
# Each target starts from its seeds (fuzz/korpus/<seeds>; the help reader also from the damaged
# help files of tests/help/osteceni) and keeps what it finds in build-san/fuzz/rad/<target>.
# A crash, a sanitizer report, a leak, an out-of-memory or a timeout fails the run; the input
# that caused it is left in build-san/fuzz/nalazi/. Two targets run at a time.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bld="$top/build-san"

dostupno() {
  command -v clang++ >/dev/null || return 1
  local proba
  proba=$(mktemp -d)
  printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' >"$proba/p.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$proba/p.cpp" -o "$proba/p" >/dev/null 2>&1
  local rez=$?
  rm -rf "$proba"
  return $rez
}

if [ "${1:-}" = "--dostupno" ]; then
  dostupno
  exit
fi
if ! dostupno; then
  echo "fuzz: clang++ with libFuzzer not found (Debian packages clang and libclang-rt-dev)" >&2
  exit 1
fi
sekundi=${1:-60}
shift || true

opcije=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKARUVEL_FUZZ=ON)
if command -v ccache >/dev/null; then
  opcije+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$top" -B "$bld" "${opcije[@]}" >/dev/null
cmake --build "$bld" -j"$(nproc)" --target karuvel_fuzz

rad="$bld/fuzz/rad"
nalazi="$bld/fuzz/nalazi"
mkdir -p "$rad" "$nalazi"
declare -A seme
while read -r ime s; do
  [ -n "$ime" ] && seme[$ime]=$s
done <"$bld/fuzz/ciljevi.txt"
ciljevi=("$@")
if [ ${#ciljevi[@]} -eq 0 ]; then
  ciljevi=(zapisi banke slika paket sadrzaj pomoc)
fi

pokreni() {
  local ime=$1 korpus="$rad/$1" tmp="$rad/tmp-$1"
  mkdir -p "$korpus" "$tmp"
  cp -n "$top/fuzz/korpus/${seme[$ime]}"/* "$korpus"/
  if [ "$ime" = pomoc ]; then
    cp -n "$top/tests/help/osteceni"/*.chm "$korpus"/
  fi
  local rez=0
  TMPDIR="$tmp" ASAN_OPTIONS="abort_on_error=0:detect_leaks=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    "$bld/fuzz/fuzz_$ime" -max_total_time="$sekundi" -rss_limit_mb=2048 -timeout=30 -print_final_stats=1 \
      -artifact_prefix="$nalazi/$ime-" "$korpus" >"$rad/$ime.log" 2>&1 || rez=$?
  rm -rf "$tmp"
  local izvrseno
  izvrseno=$(sed -n 's/^stat::number_of_executed_units: *//p' "$rad/$ime.log" | tail -1)
  if [ $rez -eq 0 ]; then
    echo "fuzz_$ime: ${izvrseno:-?} inputs in $sekundi s, nothing found"
  else
    echo "fuzz_$ime: FAILED after ${izvrseno:-?} inputs (exit $rez); input in $nalazi, log $rad/$ime.log:"
    grep -E "ERROR|SUMMARY|runtime error|Test unit written" "$rad/$ime.log" | head -20
  fi
  return $rez
}

uspelo=0
palo=0
poslovi=()
for ime in "${ciljevi[@]}"; do
  if [ -z "${seme[$ime]:-}" ]; then
    echo "fuzz: no target $ime (targets: ${!seme[*]})" >&2
    exit 2
  fi
  pokreni "$ime" &
  poslovi+=($!)
  if [ ${#poslovi[@]} -ge 2 ]; then
    if wait "${poslovi[0]}"; then uspelo=$((uspelo + 1)); else palo=$((palo + 1)); fi
    poslovi=("${poslovi[@]:1}")
  fi
done
for p in "${poslovi[@]}"; do
  if wait "$p"; then uspelo=$((uspelo + 1)); else palo=$((palo + 1)); fi
done
echo "fuzz: $uspelo passed, $palo failed"
[ $palo -eq 0 ]
