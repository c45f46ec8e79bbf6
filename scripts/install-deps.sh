#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages, when missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  googletest libgtest-dev libgmock-dev
  clang libclang-rt-14-dev libbenchmark-dev libinih-dev
  qt6-base-dev
  xvfb xauth xdotool
  fonts-liberation fonts-dejavu-core
  g++-mingw-w64-x86-64 wine wine64 imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
