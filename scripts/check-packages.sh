#!/usr/bin/env bash
# Checks the packages in dist/ as their users get them: the installed .deb
# (program, man page, desktop entry, icon on the window) and the Windows
# archive's program (icon, version, and end to end under Wine).
# Run after scripts/package.sh and `apt-get install ./dist/brindlewick_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "== the installed package"
program=/usr/bin/brindlewick
[ -x "$program" ] || { echo "FAIL: $program is not installed" >&2; exit 1; }
deb=$(ls dist/brindlewick_*_amd64.deb)
lintian --fail-on error "$deb" >"$scratch/lintian" 2>&1 || fail "lintian finds errors in $deb: $(cat "$scratch/lintian")"
dpkg-deb -x "$deb" "$scratch/deb"
page="$scratch/deb/usr/share/man/man1/brindlewick.1.gz"
[ -f "$page" ] || fail "the package has no man page"
mandoc -Tlint "$page" || fail "the man page has warnings"
# Minimal systems may be set to leave manual pages out (dpkg path-exclude).
if [ -f /usr/share/man/man1/brindlewick.1.gz ]; then
  man -w brindlewick >/dev/null || fail "man brindlewick finds no page"
fi
desktop-file-validate /usr/share/applications/brindlewick.desktop || fail "the desktop entry is not valid"
[ -f /usr/share/icons/hicolor/48x48/apps/brindlewick.png ] || fail "no 48x48 icon in the hicolor theme"

# The window carries the icon and the class the desktop entry names.
mkdir "$scratch/icon" && cp samples/quorvane.ini "$scratch/icon/"
BRINDLEWICK="$program" xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  . scripts/e2e-launch.sh
  trap stop_program EXIT
  start_in "$1"
  wait_for_window Brindlewick || { echo "FAIL: no window" >&2; exit 1; }
  window=$(window_titled Brindlewick | tail -n1)
  status=0
  xprop -id "$window" _NET_WM_ICON | grep -q "_NET_WM_ICON(CARDINAL)" || { echo "FAIL: no window icon" >&2; status=1; }
  wm_class=$(xprop -id "$window" WM_CLASS)
  grep -qi "\"$(sed -n "s/^StartupWMClass=//p" packaging/brindlewick.desktop)\"" <<<"$wm_class" ||
    { echo "FAIL: window class $wm_class" >&2; status=1; }
  exit "$status"
' _ "$scratch/icon" || fail "the installed window"

BRINDLEWICK="$program" scripts/e2e.sh enter escape no-file || fail "end to end with the installed program"

echo "== the Windows archive"
zip=$(ls dist/brindlewick-*-win64.zip)
version=$(basename "$zip" | sed 's/^brindlewick-\(.*\)-win64\.zip$/\1/')
mkdir "$scratch/win" && unzip -q "$zip" -d "$scratch/win"
for file in brindlewick.exe README.md LICENSE.txt; do
  [ -f "$scratch/win/$file" ] || fail "the archive lacks $file"
done
exe="$scratch/win/brindlewick.exe"
x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' && fail "brindlewick.exe keeps its debug sections"
resources=$(wrestool -l "$exe")
grep -q 'type=group_icon' <<<"$resources" || fail "brindlewick.exe has no icon"
grep -q 'type=version' <<<"$resources" || fail "brindlewick.exe has no version resource"
details=$(wrestool -x --raw -t 16 "$exe" | strings -el)
for want in ProductName Brindlewick FileDescription "FileVersion" "$version"; do
  grep -qxF "$want" <<<"$details" || fail "version resource lacks $want"
done

. scripts/wine-prefix.sh
use_wine_prefix "$scratch/prefix"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  . scripts/wine-prefix.sh
  prepare_wine_prefix
  status=0
  BRINDLEWICK="$1" scripts/e2e.sh enter escape no-file || status=$?
  wineserver -k || true
  exit "$status"
' _ "$exe" || fail "end to end with the archive's program under Wine"

[ "$failures" -eq 0 ] && echo "packages: all checks passed"
exit "$failures"
