# The one part of the end-to-end runs that depends on the platform: how the
# program named by $BRINDLEWICK is started in a folder, how its windows are
# found and given the keys, and how it names a folder. Sourced by
# scripts/e2e.sh and scripts/screenshots.sh; needs DISPLAY, and for a
# Windows program WINEPREFIX.

case "$BRINDLEWICK" in
  *.exe) platform=windows ;;
  *) platform=linux ;;
esac
app=""

# Lets the program take in what it was sent: Wine is slower at it.
settle() {
  if [ "$platform" = windows ]; then sleep "${1:-0.2}"; else sleep 0.05; fi
}

# Starts the program in folder $1.
start_in() {
  if [ "$platform" = windows ]; then
    # A Wine desktop of its own gives the sheet a title bar and the same
    # place on every run.
    (cd "$1" && exec wine explorer /desktop=brindlewick,800x600 "$BRINDLEWICK" >/dev/null 2>&1) &
  else
    (cd "$1" && exec "$BRINDLEWICK" >/dev/null 2>&1) &
  fi
  app=$!
}

# Window ids whose title is exactly $1 (xdotool's own match ignores case).
window_titled() {
  local id flags=""
  [ "$platform" = linux ] && flags="--onlyvisible"
  for id in $(xdotool search $flags --name "^$1\$" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id"
  done
  return 0
}

# Waits for a window titled $1 and gives it the keyboard.
wait_for_window() {
  local i id
  for i in $(seq 1 200); do
    id=$(window_titled "$1" | tail -n1)
    if [ -n "$id" ]; then
      # Wine's desktop hands the focus to its newest window itself; with no
      # window manager the Linux program's windows are given it.
      if [ "$platform" = linux ]; then xdotool windowfocus --sync "$id" 2>/dev/null || true; fi
      settle
      return 0
    fi
    sleep 0.1
  done
  return 1
}

wait_for_no_window() {
  local i
  for i in $(seq 1 100); do
    [ -z "$(window_titled "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

wait_for_exit() {
  local i
  for i in $(seq 1 200); do
    kill -0 "$app" 2>/dev/null || { wait "$app" 2>/dev/null || true; app=""; return 0; }
    sleep 0.1
  done
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=""
  return 1
}

stop_program() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  if [ "$platform" = windows ]; then wineserver -k 2>/dev/null || true; fi
  app=""
}

# A folder as the program names it.
native_path() {
  if [ "$platform" = windows ]; then printf 'Z:%s' "$1" | tr / '\\'; else printf '%s' "$1"; fi
}
