#!/usr/bin/env bash
# The Windows stage: cross-builds build-win/brindlewick.exe and the test
# suite with mingw-w64, runs the tests under Wine and drives the program end
# to end, all in a virtual X server and a Wine prefix made for this run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
[ "$jobs" -gt 2 ] && jobs=2
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DBRINDLEWICK_TESTS=ON
cmake --build build-win -j"$jobs"

# One self-contained program: it may import only what every Windows has.
allowed=" KERNEL32.dll USER32.dll GDI32.dll COMCTL32.dll comdlg32.dll SHELL32.dll ole32.dll msvcrt.dll ADVAPI32.dll "
for dll in $(x86_64-w64-mingw32-objdump -p build-win/brindlewick.exe | awk '/DLL Name:/ {print $3}'); do
  case "$allowed" in
    *" $dll "*) ;;
    *) echo "brindlewick.exe needs $dll, which Windows does not ship"; exit 1 ;;
  esac
done
# The embedded manifest: current common controls, DPI awareness.
manifest=$(strings build-win/brindlewick.exe)
for want in Microsoft.Windows.Common-Controls PerMonitorV2 true/pm; do
  grep -qF "$want" <<<"$manifest" || { echo "brindlewick.exe's manifest lacks $want"; exit 1; }
done

scratch=$(mktemp -d /tmp/brindlewick-wine.XXXXXX)
. scripts/wine-prefix.sh
use_wine_prefix "$scratch/prefix"
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  . scripts/wine-prefix.sh
  prepare_wine_prefix
  echo "== tests under Wine"
  wine build-win/tests/brindlewick_tests.exe --gtest_brief=1
  echo "== end to end under Wine"
  BRINDLEWICK=build-win/brindlewick.exe scripts/e2e.sh
  # Scaled screens, where the template face has no bitmap size of its own.
  for dpi in 120 144; do
    echo "== pages whole at $dpi pixels an inch"
    wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w
    wine build-win/tests/brindlewick_tests.exe --gtest_brief=1 --gtest_filter="Win32Sheet.*"
    wineserver -k || true
  done
  wineserver -k || true
'
