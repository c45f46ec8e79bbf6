#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/) and runs them. The run ends
# with the ratios against the floor and the peer; the exit status is 1 when a
# target is missed. Extra arguments go to Google Benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBRINDLEWICK_BENCH=ON -DBRINDLEWICK_TESTS=OFF -DBRINDLEWICK_QT=OFF
cmake --build build-bench -j2 --target brindlewick_bench
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
build-bench/bench/brindlewick_bench "$@"
