#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a
# bounded time. New corpus entries go to a scratch folder, never the repo.
# FUZZ_SECONDS (default 60) is the whole run, shared by the two targets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

seconds="${FUZZ_SECONDS:-60}"
build=build-fuzz
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRINDLEWICK_FUZZ=ON -DBRINDLEWICK_TESTS=OFF -DBRINDLEWICK_QT=OFF
cmake --build "$build" -j2 --target ReadWriteFuzzer RecordFuzzer

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/read" "$scratch/record" "$scratch/artifacts"
# Seeds: the corpus and the canonical default file the tests use.
cp fuzz/corpus/* tests/fixtures/default.ini "$scratch/read/"

# Reading arbitrary files is the main target; the record target gets a quarter.
run() {
  local target="$1" corpus="$2" time="$3"
  echo "== $target for ${time}s"
  "$build/fuzz/$target" "$corpus" -max_total_time="$time" -rss_limit_mb=2048 \
    -dict=fuzz/config.dict -max_len=4096 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$scratch/artifacts/$target-" || {
      echo "$target found a failing input:" >&2
      ls -l "$scratch/artifacts" >&2
      mkdir -p "$build/artifacts" && cp "$scratch/artifacts/"* "$build/artifacts/" 2>/dev/null || true
      exit 1
    }
}
run ReadWriteFuzzer "$scratch/read" $(( seconds * 3 / 4 ))
run RecordFuzzer "$scratch/record" $(( seconds - seconds * 3 / 4 ))
echo "fuzzing clean"
