#!/usr/bin/env bash
# Builds the launcher, lays out a demo game folder under build/demo and starts the launcher in it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/ensure-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target zebkin-setup zk-demo zk-standin >/dev/null
game="$PWD/build/demo/Duke3D"
./build/tools/zk-demo --highres --standin build/tools/zk-standin "$game"
# The real deployment: the launcher installed into a folder one below the game.
cmake --install build --prefix "$game/zebkin" >/dev/null
exec "$game/zebkin/zebkin-setup"
