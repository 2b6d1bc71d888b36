#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Quarvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/pakete.sh app
cmake --preset app >/dev/null
cmake --build --preset app
exec build/app/quarvel "$@"
