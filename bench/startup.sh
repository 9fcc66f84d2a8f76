#!/usr/bin/env bash
# Start-up benchmark: the launcher, installed in a demo game folder, against an empty Qt window
# of the same size, under Xvfb; the same window with one label shows the floor for any window
# with text. Prints the medians and their ratios to the empty window.
#   bench/startup.sh [BUILD_DIR] [RUNS]     (a build configured with -DZK_BENCH=ON)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench} runs=${2:-9}
cmake --build "$build" -j2 --target zebkin-setup zk-demo zk-standin zk_startup_bench \
  zk_empty_window zk_label_window >/dev/null
game="$PWD/$build/bench/startup/Duke3D"
rm -rf "$game"
"$build/tools/zk-demo" --standin "$build/tools/zk-standin" --launcher "$build/zebkin-setup" \
  "$game" >/dev/null
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 800x600x24" \
  "$build/bench/zk_startup_bench" "$game/zebkin/zebkin-setup" "$build/bench/zk_empty_window" "$runs" \
  "$build/bench/zk_label_window"
