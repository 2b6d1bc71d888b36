#!/usr/bin/env bash
# Renews docs/hauptfenster.png, the picture of the main window in the README: builds the
# release preset's picture taker and runs it under Xvfb with Qt's X11 platform.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build build/release --target quarvel_bildschirmfoto
QT_QPA_PLATFORM=xcb xvfb-run -a build/release/tools/quarvel_bildschirmfoto docs/hauptfenster.png
