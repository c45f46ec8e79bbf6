#!/usr/bin/env bash
# Drives the real program end to end by keystrokes, one scenario of
# tests/e2e/scenarios at a time, each in a fresh scratch folder.
# Usage: BRINDLEWICK=<program> scripts/e2e.sh [scenario ...]
# <program> is the Linux program (build/brindlewick, the default, or an
# installed /usr/bin/brindlewick) or the Windows one (any brindlewick.exe, run
# under Wine in WINEPREFIX; scripts/test-windows.sh makes a fresh one).
# Without DISPLAY it runs itself in xvfb-run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
BRINDLEWICK=$(realpath "${BRINDLEWICK:-$root/build/brindlewick}")
export BRINDLEWICK
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
# shellcheck source=scripts/e2e-launch.sh
. "$root/scripts/e2e-launch.sh"

fixtures="$root/tests/fixtures"
scratch=$(mktemp -d /tmp/brindlewick-e2e.XXXXXX)
trap 'stop_program; rm -rf "$scratch"' EXIT
failures=0
fail() { printf '  FAIL: %s\n' "$*"; failures=$((failures + 1)); }
trim() { sed 's/^ *//; s/ *$//' <<<"$1"; }

# The canonical default file with KEY=VALUE pairs set.
canonical() {
  PAIRS="$*" awk 'BEGIN { n = split(ENVIRON["PAIRS"], pairs, " ")
                          for (i = 1; i <= n; i++) { at = index(pairs[i], "="); value[substr(pairs[i], 1, at - 1)] = substr(pairs[i], at + 1) } }
                  { at = index($0, "=") }
                  at > 0 && (substr($0, 1, at - 1) in value) { print substr($0, 1, at) value[substr($0, 1, at - 1)] "\r"; next }
                  { print }' "$fixtures/default.ini"
}

play() {
  local name=$1 input=$2 keys=$3 expect=$4
  local dir="$scratch/$name" key extra roms title
  mkdir -p "$dir"
  roms=$(native_path "$dir/roms")
  extra=""
  if [ "$input" != none ]; then
    case "$input" in *+*) extra=${input#*+}; input=${input%%+*} ;; esac
    sed "s|\$ROMS|$(sed 's/[\\&|]/\\&/g' <<<"$roms")|g" "$fixtures/$input" >"$dir/quorvane.ini"
    touch -d '2001-02-03 04:05:06' "$dir/quorvane.ini"
    cp -p "$dir/quorvane.ini" "$scratch/$name.before"
    if [ -n "$extra" ]; then mkdir -p "$(dirname "$dir/$extra")"; : >"$dir/$extra"; fi
    keys="wait:Brindlewick $keys"
  fi
  start_in "$dir"
  for key in $keys; do
    case "$key" in
      wait:*) title=$(tr _ ' ' <<<"${key#wait:}")
              wait_for_window "$title" || { fail "no window \"$title\""; stop_program; return; } ;;
      gone:*) title=$(tr _ ' ' <<<"${key#gone:}")
              wait_for_no_window "$title" || fail "window \"$title\" stays" ;;
      type:*) xdotool type --delay 30 "$(tr _ ' ' <<<"${key#type:}")"; settle 0.1 ;;
      *) xdotool key --delay 40 "$key"; settle ;;
    esac
  done
  wait_for_exit || fail "still running after: $keys"

  local want_entries="quorvane.ini"
  case "$expect" in
    nothing)
      [ -z "$(ls -A "$dir")" ] || fail "created: $(ls -A "$dir")"
      return ;;
    unchanged)
      cmp -s "$dir/quorvane.ini" "$scratch/$name.before" || fail "the file changed"
      [ "$(stat -c %Y "$dir/quorvane.ini")" = "$(stat -c %Y "$scratch/$name.before")" ] || fail "its time changed" ;;
    canonical*)
      # shellcheck disable=SC2086
      set -f; canonical ${expect#canonical} >"$scratch/$name.expected"; set +f
      sed -i "s|\$ROMS|$(sed 's/[\\&|]/\\&/g' <<<"$roms")|" "$scratch/$name.expected"
      cmp -s "$dir/quorvane.ini" "$scratch/$name.expected" ||
        fail "file differs: $(diff <(cat -A "$scratch/$name.expected") <(cat -A "$dir/quorvane.ini") | head -4)" ;;
  esac
  [ -n "$extra" ] && want_entries=$(printf '%s\n%s' "${extra%%/*}" quorvane.ini | sort | tr '\n' ' ' | sed 's/ $//')
  [ "$(ls -A "$dir" | sort | tr '\n' ' ' | sed 's/ $//')" = "$want_entries" ] || fail "left behind: $(ls -A "$dir")"
}

while IFS='|' read -r name where input keys expect; do
  name=$(trim "$name")
  case "$name" in ''|'#'*) continue ;; esac
  where=$(trim "$where")
  [ "$where" = all ] || [ "$where" = "$platform" ] || continue
  [ $# -eq 0 ] || [[ " $* " == *" $name "* ]] || continue
  echo "$name"
  play "$name" "$(trim "$input")" "$(trim "$keys")" "$(trim "$expect")"
done <"$root/tests/e2e/scenarios"

if [ "$failures" -ne 0 ]; then
  echo "end to end ($platform): $failures failure(s)"
  exit 1
fi
echo "end to end ($platform): all passed"
