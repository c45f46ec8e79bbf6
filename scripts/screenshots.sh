#!/usr/bin/env bash
# Screenshots of both programs, into SCREENSHOTS_DIR (default docs/screenshots):
# the five pages of the Linux program rendered offscreen at 1x (<page>.png)
# and 2x (2x/<page>.png), then the Windows program under Wine: its pages,
# both messages and both pickers (wine-*.png). Needs no display. The tests
# never take screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
shots=$(realpath -m "${SCREENSHOTS_DIR:-docs/screenshots}")
mkdir -p "$shots"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target brindlewick_page_shots
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 build/framework/qt/brindlewick_page_shots samples/quorvane.ini "$shots"
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/framework/qt/brindlewick_page_shots samples/quorvane.ini "$shots/2x"

jobs=$(nproc)
[ "$jobs" -gt 2 ] && jobs=2
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DBRINDLEWICK_TESTS=ON >/dev/null
cmake --build build-win -j"$jobs" --target brindlewick

scratch=$(mktemp -d /tmp/brindlewick-shots.XXXXXX)
. scripts/wine-prefix.sh
use_wine_prefix "$scratch/prefix"
export BRINDLEWICK="$root/build-win/brindlewick.exe" SHOTS="$shots" SCRATCH="$scratch"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  . scripts/e2e-launch.sh
  . scripts/wine-prefix.sh
  prepare_wine_prefix
  # The Wine desktop, cut down to the windows on it.
  shoot() { import -window root -crop 800x600+0+0 +repage -trim +repage "$SHOTS/wine-$1.png"; }
  keys() { xdotool key --delay 60 "$@"; settle; }
  folder() { mkdir -p "$SCRATCH/$1"; echo "$SCRATCH/$1"; }

  dir=$(folder pages)
  printf "TapePath=C:\\\\Oric\\\\Tapes\r\nRomPath=C:\\\\Oric\\\\Roms\r\nAtmosRom=basic11b.rom\r\nRamPattern=1\r\nJoystick=IJK\r\nDriveD=Yes\r\nVGAMode=Q\r\n" >"$dir/quorvane.ini"
  start_in "$dir"; wait_for_window Brindlewick; settle 0.5
  for page in paths oric telestrat addons system; do shoot "$page"; keys ctrl+Tab; done
  keys Escape; wait_for_exit

  start_in "$(folder no-file)"
  wait_for_window brindlewick; settle 0.5; shoot no-file-message; keys Return; wait_for_exit

  dir=$(folder too-long)
  printf "TapePath=%s\r\n" "$(printf "L%.0s" $(seq 1 200))" >"$dir/quorvane.ini"
  start_in "$dir"; wait_for_window Brindlewick; keys ctrl+Tab
  wait_for_window brindlewick; shoot too-long-message; keys Return; wait_for_no_window brindlewick
  keys Escape; wait_for_exit

  dir=$(folder folder-picker)
  printf "TapePath=kept\r\n" >"$dir/quorvane.ini"
  start_in "$dir"; wait_for_window Brindlewick; keys Return
  wait_for_window "Browse for Folder"; shoot folder-picker; keys Escape; wait_for_no_window "Browse for Folder"
  keys Escape; wait_for_exit

  dir=$(folder rom-picker)
  mkdir -p "$dir/roms"; : >"$dir/roms/basic11b.rom"
  printf "RomPath=%s\r\n" "$(native_path "$dir/roms")" >"$dir/quorvane.ini"
  start_in "$dir"; wait_for_window Brindlewick; keys ctrl+Tab Return
  wait_for_window "Rom Selection"; shoot rom-picker; keys Escape; wait_for_no_window "Rom Selection"
  keys Escape; wait_for_exit
  wineserver -k || true
'
ls "$shots"
