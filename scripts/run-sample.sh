#!/usr/bin/env bash
# Builds the editor and opens it on a scratch copy of samples/quorvane.ini,
# so the sample itself stays as it is. Shows where the copy is afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLEWICK_QT=ON
cmake --build build --target brindlewick
scratch=$(mktemp -d)
cp samples/quorvane.ini "$scratch/"
editor=$(realpath build/brindlewick)
(cd "$scratch" && "$editor")
echo "The edited copy: $scratch/quorvane.ini"
