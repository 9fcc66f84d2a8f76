#!/usr/bin/env bash
# Cross-builds the Windows launcher with mingw-w64 (installing Debian's compiler and wine when
# missing) and prints the path of zebkin-setup.exe as its last line.
#   tools/build-windows.sh [BUILD_DIR]      (default: build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
packages=(cmake make g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine64 googletest)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DZK_QT=OFF ${ZK_WINDOWS_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)" --target zebkin-setup >&2
realpath "$build/zebkin-setup.exe"
