#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need, when any is missing.
# Idempotent and quiet when nothing is missing. Run as root on Debian 12.
set -euo pipefail
packages=(cmake make g++ qt6-base-dev libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
          clang-format clang-tidy ccache fonts-urw-base35 xvfb xauth xdotool imagemagick x11-utils
          wine64 gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix googletest)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
