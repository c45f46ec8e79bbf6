#!/usr/bin/env bash
# The real program in a virtual X server, started in scratch folders and
# driven with keystrokes: Enter writes the canonical file, Escape writes
# nothing, a folder without the file shows its path and creates nothing.
# Usage: e2e.sh <brindlewick executable> <canonical sample file>
set -euo pipefail
exe=$(realpath "$1")
sample=$(realpath "$2")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

scratch=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Starts the program in folder $1 and waits for a window titled $2.
start_in() {
  (cd "$1" && exec "$exe" 2>/dev/null) &
  pid=$!
  window=$(timeout 15 xdotool search --sync --all --onlyvisible --pid "$pid" --name "^$2\$" | head -n1) || true
  if [ -z "$window" ]; then
    fail "no window \"$2\" in $1"
    return 1
  fi
  xdotool windowfocus --sync "$window"
}

# Sends keys to the focused window and waits for the program to end.
keys_then_exit() {
  xdotool key --delay 30 "$@"
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; pid=""; return 0; }
    sleep 0.1
  done
  fail "still running after: $*"
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
  return 1
}

# A file in another form than the canonical one: LF line ends, no comments.
input="$scratch/input.ini"
grep -v '^;' "$sample" | tr -d '\r' | grep -v '^$' > "$input"

# Enter, from the Tapes field (Tab leaves the first stop, a Browse button).
mkdir "$scratch/enter" && cp "$input" "$scratch/enter/quorvane.ini"
if start_in "$scratch/enter" Brindlewick && keys_then_exit Tab Return; then
  cmp -s "$sample" "$scratch/enter/quorvane.ini" || fail "Enter did not write the canonical file"
  [ "$(ls -A "$scratch/enter")" = "quorvane.ini" ] || fail "Enter left other files: $(ls -A "$scratch/enter")"
fi

# Escape.
mkdir "$scratch/escape" && cp "$input" "$scratch/escape/quorvane.ini"
if start_in "$scratch/escape" Brindlewick && keys_then_exit Escape; then
  cmp -s "$input" "$scratch/escape/quorvane.ini" || fail "Escape changed the file"
  [ "$(ls -A "$scratch/escape")" = "quorvane.ini" ] || fail "Escape left other files"
fi

# No file: the message box titled with the program's name, then nothing.
mkdir "$scratch/empty"
if start_in "$scratch/empty" brindlewick && keys_then_exit Return; then
  [ -z "$(ls -A "$scratch/empty")" ] || fail "a folder without the file got: $(ls -A "$scratch/empty")"
fi

[ "$failures" -eq 0 ] && echo "end to end: all passed"
exit "$failures"
