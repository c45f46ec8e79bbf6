#!/usr/bin/env bash
# Renders each of the five pages, on the sample settings file, to
# docs/screenshots/<page>.png. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target brindlewick_page_shots
QT_QPA_PLATFORM=offscreen build/framework/qt/brindlewick_page_shots samples/quorvane.ini docs/screenshots
ls docs/screenshots
