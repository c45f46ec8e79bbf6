#!/usr/bin/env bash
# Runs tests/qt/accessibility.py in a virtual X server with a session bus of
# its own and the accessibility bus on it, as a screen reader's desktop has.
# Usage: accessibility.sh <brindlewick executable> <accessible table tool> <sample file>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
if [ -z "${BRINDLEWICK_SESSION_BUS:-}" ]; then
  export BRINDLEWICK_SESSION_BUS=1
  exec timeout 150 dbus-run-session -- "$0" "$@"
fi

# The accessibility bus, as the desktop session would start it.
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher=$candidate && break
done
if [ -z "$launcher" ]; then
  echo "FAIL: at-spi-bus-launcher not found (Debian package at-spi2-core)" >&2
  exit 1
fi
"$launcher" --launch-immediately &
launcher_pid=$!
trap 'kill "$launcher_pid" 2>/dev/null || true' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=xcb
timeout 120 /usr/bin/python3 "$here/accessibility.py" "$@"
