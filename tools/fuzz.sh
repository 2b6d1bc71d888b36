#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (core libraries instrumented alike) and runs each on its seeds for a bounded time: the
# term reader, the point entry, the interval reader, the document reader and the whole
# command language. Exits non-zero on any finding (crash, sanitizer report, broken
# invariant, timeout, memory blow-up); the offending input is left in
# build/fuzz/funde/<target>/.
#   FUZZ_SEKUNDEN          run time of the command fuzzer in seconds (default 60)
#   FUZZ_SEKUNDEN_KLEIN    run time of each of the others (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."

bau=build/fuzz
sekunden="${FUZZ_SEKUNDEN:-60}"
klein="${FUZZ_SEKUNDEN_KLEIN:-20}"

CC=clang CXX=clang++ cmake -S . -B "$bau" -G Ninja \
  -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -g" \
  -DQUARVEL_FUZZ=ON -DQUARVEL_SANITIZE=ON -DQUARVEL_WERROR=ON -DQUARVEL_GUI=OFF -DQUARVEL_TESTS=OFF >/dev/null
cmake --build "$bau" --target fuzz_term2polynom fuzz_punkteingabe fuzz_intervall fuzz_befehle \
  fuzz_dokument

# fuzze ZIEL SEKUNDEN [SAAT …] [-- LIBFUZZER-OPTIONEN …]
fuzze() {
  local ziel="$1" dauer="$2"
  shift 2
  local saaten=() optionen=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do saaten+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  optionen=("$@")
  mkdir -p "$bau/korpus/$ziel" "$bau/funde/$ziel"
  printf '\n--- %s (%s s) ---\n' "$ziel" "$dauer"
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$bau/fuzz/$ziel" "$bau/korpus/$ziel" "${saaten[@]}" \
    -max_total_time="$dauer" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$bau/funde/$ziel/" -print_final_stats=1 "${optionen[@]}"
}

fuzze fuzz_term2polynom "$klein" fuzz/korpus -- -dict=fuzz/term.dict
fuzze fuzz_punkteingabe "$klein" fuzz/korpus_punkte
fuzze fuzz_intervall "$klein" fuzz/korpus_intervalle
fuzze fuzz_dokument "$klein" fuzz/korpus_dokument -- -dict=fuzz/dokument.dict -max_len=65536
fuzze fuzz_befehle "$sekunden" -- -max_len=256
