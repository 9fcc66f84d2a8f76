#!/usr/bin/env bash
# Builds the launcher, lays out a demo game folder under build/demo and starts the launcher in it.
# Without a display it runs under Xvfb for a few seconds and saves a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/ensure-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target zebkin-setup zk-demo zk-standin >/dev/null
game="$PWD/build/demo/Duke3D"
rm -rf "$game"
./build/tools/zk-demo --highres --standin build/tools/zk-standin "$game"
# The real deployment: the launcher installed into a folder one below the game.
cmake --install build --prefix "$game/zebkin" >/dev/null
echo "launcher: $game/zebkin/zebkin-setup"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$game/zebkin/zebkin-setup"
fi
shot="$PWD/build/demo/screenshot.png"
echo "no display: running under Xvfb for 5 s, screenshot in $shot"
xvfb-run -a -s "-screen 0 640x480x24" bash -c '
  "$1" & pid=$!; sleep 4; import -window root "$2"; kill $pid; wait $pid 2>/dev/null; true
' _ "$game/zebkin/zebkin-setup" "$shot"
