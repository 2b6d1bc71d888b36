#!/usr/bin/env bash
# Installs the Debian packages Quarvel needs to build, run and test.
#   tools/pakete.sh          everything (build, tests, fuzzing, display server for tests)
#   tools/pakete.sh app      only what building and running the application needs
set -euo pipefail

app=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev fonts-texgyre
     qt6-translations-l10n nlohmann-json3-dev)
tests=(libgtest-dev libgmock-dev libbenchmark-dev clang clang-format libclang-rt-dev xvfb xauth
       desktop-file-utils appstream)

pakete=("${app[@]}")
[ "${1:-alles}" = app ] || pakete+=("${tests[@]}")

als_root=()
[ "$(id -u)" -eq 0 ] || als_root=(sudo)
"${als_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends \
  "${pakete[@]}" >/dev/null
