#!/usr/bin/env bash
# Builds the packages into dist/:
#   brindlewick_<version>_amd64.deb    the Linux program, man page, icon, desktop entry
#   brindlewick-<version>-win64.zip    the stripped Windows program, README and LICENSE
# Needs what scripts/install-deps.sh installs (dpkg-dev, mingw-w64, zip).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
rm -rf dist
mkdir -p dist

# Debian's hardening flags, as a Debian build of the package would use.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBRINDLEWICK_TESTS=OFF -DBRINDLEWICK_QT=ON \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-pkg -j"$(nproc)" --target brindlewick brindlewick_packaging_docs
(cd build-pkg && cpack -G DEB)
rm -rf dist/_CPack_Packages

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-pkg/CMakeCache.txt)
cmake -S . -B build-win-pkg -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DBRINDLEWICK_TESTS=OFF
cmake --build build-win-pkg -j"$(nproc)" --target brindlewick
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
x86_64-w64-mingw32-strip -o "$stage/brindlewick.exe" build-win-pkg/brindlewick.exe
# Windows readers get the text files with Windows line ends.
sed 's/$/\r/' README.md > "$stage/README.md"
sed 's/$/\r/' LICENSE > "$stage/LICENSE.txt"
(cd "$stage" && TZ=UTC zip -q -X "$root/dist/brindlewick-$version-win64.zip" brindlewick.exe README.md LICENSE.txt)
ls -l dist
