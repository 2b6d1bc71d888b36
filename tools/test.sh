#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs every test: the format check, the release build
# with its unit, end-to-end and window tests and a short benchmark run, the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzers (term reader, point
# entry, interval reader, document reader, the command language).
set -euo pipefail
cd "$(dirname "$0")/.."

schritt() { printf '\n=== %s ===\n' "$*"; }

schritt "Pakete"
tools/pakete.sh

schritt "Formatierung (clang-format)"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

schritt "Release: bauen und testen"
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release

schritt "Benchmarks (kurzer Lauf)"
build/release/bench/quarvel_bench --benchmark_min_time=0.01 >/dev/null

schritt "AddressSanitizer und UndefinedBehaviorSanitizer: bauen und testen"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

if [ -x tools/fuzz.sh ]; then
  schritt "Fuzzing: Termleser, Punkteingabe, Intervallleser, Dokumentleser, Befehlssprache"
  tools/fuzz.sh
fi
