#!/usr/bin/env bash
# Builds everything and runs every test. Needs no display of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLEWICK_QT=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

# The Windows program: cross-built, then its tests and an end-to-end run under Wine.
scripts/test-windows.sh
