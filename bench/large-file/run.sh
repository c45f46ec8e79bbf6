#!/usr/bin/env bash
# Reading a 1 GiB file of mixed settings lines the way the program reads
# "quorvane.ini", against `cat` of the same file, in one run: rounds
# interleaved, both from the page cache. Prints each median wall time and
# their ratio; the exit status is 1 when the ratio is over 2.
# Usage: bench/large-file/run.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/../.."
rounds=${1:-5}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBRINDLEWICK_BENCH=ON -DBRINDLEWICK_TESTS=OFF -DBRINDLEWICK_QT=OFF >/dev/null
cmake --build build-bench -j2 --target brindlewick_read_large >/dev/null
reader=$(realpath build-bench/bench/large-file/brindlewick_read_large)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
file="$scratch/quorvane.ini"
"$reader" write "$file" $((1 << 30))

# Milliseconds taken by the command.
ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One unmeasured pass each, so that both find the file in the page cache.
cat "$file" >/dev/null
"$reader" read "$file"
cat_times=()
our_times=()
for _ in $(seq "$rounds"); do
  cat_times+=("$(ms cat "$file")")
  our_times+=("$(ms "$reader" read "$file")")
done
cat_median=$(printf '%s\n' "${cat_times[@]}" | median)
our_median=$(printf '%s\n' "${our_times[@]}" | median)
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "cat:  ${cat_times[*]} ms (median $cat_median)"
echo "ours: ${our_times[*]} ms (median $our_median)"
awk -v a="$our_median" -v b="$cat_median" 'BEGIN {
  r = a / b
  printf "read 1 GiB, ours / cat: %.2f (target <= 2: %s)\n", r, (r <= 2 ? "met" : "MISSED")
  exit (r <= 2 ? 0 : 1)
}'
