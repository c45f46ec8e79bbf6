#!/usr/bin/env bash
# Renders the icon's PNG sizes and the Windows .ico from packaging/icons/brindlewick.svg.
# The results are committed, so building needs neither tool; run this after editing the SVG.
# Needs librsvg2-bin and icoutils.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  rsvg-convert -w "$size" -h "$size" brindlewick.svg -o "brindlewick-$size.png"
done
# Windows picks the sizes it needs for Explorer, the title bar and Alt+Tab.
icotool -c -o brindlewick.ico brindlewick-{16,24,32,48}.png -r brindlewick-256.png
