#!/usr/bin/env bash
# Start-up time: from starting build/brindlewick (in a scratch folder holding
# the sample settings file) to its sheet being on screen, against a bare Qt
# dialog program started the same way, in one virtual X server, rounds
# interleaved. Prints each median and their ratio.
# Usage: bench/startup/run.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/../.."
rounds=${1:-15}
if [ -z "${DISPLAY:-}" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --target brindlewick brindlewick_bare_dialog >/dev/null
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp samples/quorvane.ini "$scratch/"
editor=$(realpath build/brindlewick)
bare=$(realpath build/bench/startup/brindlewick_bare_dialog)

# Milliseconds from launching $1 until a window titled $2 is mapped.
time_to_window() {
  local start end pid
  start=$(date +%s%N)
  (cd "$scratch" && exec "$1" 2>/dev/null) &
  pid=$!
  until xdotool search --all --onlyvisible --pid "$pid" --name "^$2\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before showing a window" >&2; exit 1; }
    sleep 0.002
  done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One unmeasured start each, so both find the libraries and fonts cached.
time_to_window "$bare" "Bare dialog" >/dev/null
time_to_window "$editor" "Brindlewick" >/dev/null
editor_times=()
bare_times=()
for _ in $(seq "$rounds"); do
  bare_times+=("$(time_to_window "$bare" "Bare dialog")")
  editor_times+=("$(time_to_window "$editor" "Brindlewick")")
done
editor_median=$(printf '%s\n' "${editor_times[@]}" | median)
bare_median=$(printf '%s\n' "${bare_times[@]}" | median)
echo "rounds: $rounds"
echo "editor ms: ${editor_times[*]}"
echo "bare   ms: ${bare_times[*]}"
echo "median editor ${editor_median} ms, bare dialog ${bare_median} ms"
awk -v e="$editor_median" -v b="$bare_median" 'BEGIN { printf "ratio %.2f (target at most 1.50)\n", e / b }'
