#!/usr/bin/env bash
# Builds the libFuzzer targets of the term reader and the document reader with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer (core libraries instrumented alike) and runs
# each on its seed corpus for a bounded time. Exits non-zero on any finding (crash, sanitizer report, timeout,
# memory blow-up); the offending input is left in build/fuzz/funde/.
#   FUZZ_SEKUNDEN            run time of the term reader in seconds (default 60)
#   FUZZ_DOKUMENT_SEKUNDEN   run time of the document reader in seconds (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."

bau=build/fuzz
sekunden="${FUZZ_SEKUNDEN:-60}"
dokument_sekunden="${FUZZ_DOKUMENT_SEKUNDEN:-20}"

CC=clang CXX=clang++ cmake -S . -B "$bau" -G Ninja \
  -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -g" \
  -DQUARVEL_FUZZ=ON -DQUARVEL_SANITIZE=ON -DQUARVEL_WERROR=ON -DQUARVEL_GUI=OFF -DQUARVEL_TESTS=OFF >/dev/null
cmake --build "$bau" --target fuzz_term2polynom fuzz_dokument

mkdir -p "$bau/korpus" "$bau/korpus_dokument" "$bau/funde"
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$bau/fuzz/fuzz_term2polynom" "$bau/korpus" fuzz/korpus \
  -dict=fuzz/term.dict -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$bau/funde/" -print_final_stats=1
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$bau/fuzz/fuzz_dokument" "$bau/korpus_dokument" fuzz/korpus_dokument \
  -dict=fuzz/dokument.dict -max_total_time="$dokument_sekunden" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -artifact_prefix="$bau/funde/dokument-" -print_final_stats=1
