#!/usr/bin/env bash
# Makes sure what a task needs is there, installing what is missing from
# Debian's packages (with sudo when not root).
#   install-deps.sh build   building and running the editor: CMake, Ninja, a C++
#                           compiler, Qt 6 Widgets. Needs no apt when they are present.
#   install-deps.sh         everything: the tests, the Windows stage, the packages,
#                           the fuzzers and benchmarks.
set -euo pipefail
want=${1:-all}

build_packages=(cmake ninja-build g++ qt6-base-dev)
all_packages=(
  "${build_packages[@]}" pkg-config
  googletest libgtest-dev libgmock-dev libacl1-dev
  clang libclang-rt-14-dev libbenchmark-dev libinih-dev
  xvfb xauth xdotool x11-utils imagemagick
  fonts-liberation fonts-dejavu-core
  dbus dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  g++-mingw-w64-x86-64 wine wine64 fonts-wine
  dpkg-dev lintian desktop-file-utils mandoc man-db icoutils zip unzip acl attr
)

# Qt 6 Widgets for CMake, wherever a distribution or a Qt installer put it.
have_qt6_widgets() {
  local dir
  [ -n "${Qt6_DIR:-}" ] && [ -d "$Qt6_DIR" ] && return 0
  local prefixes=(/usr /usr/local /opt/homebrew)
  IFS=: read -r -a extra <<<"${CMAKE_PREFIX_PATH:-}"
  for dir in "${extra[@]}" "${prefixes[@]}"; do
    compgen -G "$dir/lib*/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" >/dev/null && return 0
    compgen -G "$dir/lib/*/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" >/dev/null && return 0
  done
  return 1
}

# What building lacks, by tool rather than by package, so that any system can answer.
missing_build_tools() {
  command -v cmake >/dev/null || echo "cmake"
  command -v ninja >/dev/null || echo "ninja"
  { command -v c++ || command -v g++ || command -v clang++; } >/dev/null || echo "a C++20 compiler"
  have_qt6_widgets || echo "Qt 6 Widgets (development files)"
}

if [ "$want" = build ]; then
  mapfile -t lacking < <(missing_build_tools)
  [ ${#lacking[@]} -eq 0 ] && exit 0
  packages=("${build_packages[@]}")
else
  packages=("${all_packages[@]}")
fi

if ! command -v apt-get >/dev/null || ! command -v dpkg >/dev/null; then
  if [ "$want" = build ]; then
    echo "Building Brindlewick needs, and this system lacks:" >&2
    printf '  %s\n' "${lacking[@]}" >&2
  else
    printf 'Without apt, install the equivalents of these Debian packages: %s\n' "${packages[*]}" >&2
  fi
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
# fonts-wine is a recommendation of Wine's, named here because recommendations are skipped.
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
