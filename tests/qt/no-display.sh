#!/usr/bin/env bash
# The desktop program started without any display: one line on standard
# error, exit status 1, no abort, and the folder as it was.
# Usage: no-display.sh <brindlewick executable> <settings file>
set -uo pipefail
exe=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$2" "$scratch/quorvane.ini"
mkdir "$scratch/run"
before=$(cd "$scratch" && ls -A && md5sum quorvane.ini)
(cd "$scratch" && ulimit -c unlimited &&
  exec env -i PATH="$PATH" HOME="$scratch" XDG_RUNTIME_DIR="$scratch/run" timeout 20 "$exe") \
  >"$scratch/run/out" 2>"$scratch/run/err"
status=$?
fail=0
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, not 1"; fail=1; }
[ "$(wc -l <"$scratch/run/err")" -eq 1 ] || { echo "FAIL: standard error is not one line:"; cat "$scratch/run/err"; fail=1; }
grep -q "graphical session" "$scratch/run/err" || { echo "FAIL: the line does not name a graphical session"; fail=1; }
[ ! -s "$scratch/run/out" ] || { echo "FAIL: wrote to standard output"; fail=1; }
after=$(cd "$scratch" && ls -A && md5sum quorvane.ini)
[ "$before" = "$after" ] || { echo "FAIL: the folder changed:"; echo "$after"; fail=1; }
[ "$fail" -eq 0 ] && echo "ok: $(cat "$scratch/run/err")"
exit "$fail"
