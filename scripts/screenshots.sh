#!/usr/bin/env bash
# Renders each of the five pages, on the sample settings file, at 1x to
# docs/screenshots/<page>.png and at 2x to docs/screenshots/2x/<page>.png.
# Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target brindlewick_page_shots
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 build/framework/qt/brindlewick_page_shots samples/quorvane.ini docs/screenshots
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/framework/qt/brindlewick_page_shots samples/quorvane.ini docs/screenshots/2x
ls docs/screenshots docs/screenshots/2x
