#!/usr/bin/env bash
# Builds the editor (no tests) and opens it on a scratch copy of
# samples/quorvane.ini, so the sample itself stays as it is. Shows where the
# copy is afterwards. Installs only what building needs, and only when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake -S . -B build-sample -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLEWICK_TESTS=OFF -DBRINDLEWICK_QT=ON
cmake --build build-sample --target brindlewick
scratch=$(mktemp -d)
cp samples/quorvane.ini "$scratch/"
editor=$(realpath build-sample/brindlewick)
(cd "$scratch" && "$editor")
echo "The edited copy: $scratch/quorvane.ini"
