#!/usr/bin/env bash
# The test command (CI runs it too). Stages, each stopping the run when it fails:
#   1. formatting (clang-format);
#   2. the normal Qt build, benchmarks compiled, and every test: unit, window, e2e (Xvfb, wine);
#   3. the core alone without any toolkit (-DZK_QT=OFF, Qt not even looked for) and its tests;
#   4. the Windows launcher cross-built with mingw-w64 (tools/build-windows.sh), the core's
#      tests under wine and the real-window checks of the .exe under wine and Xvfb;
#   5. a short libFuzzer run of each fuzz target;
#   6. the AddressSanitizer + UndefinedBehaviorSanitizer build and every test;
#   7. clang-tidy (bugprone-*, performance-*) over src/, run beside stages 5 and 6.
# Every build treats warnings as errors. Headless: the real-window checks run under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/ensure-packages.sh
export QT_QPA_PLATFORM=offscreen
# A compiler cache: the core build compiles what the normal build already did, and a second run
# of this command little at all. The folder a file is compiled from does not change its object.
export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_NOHASHDIR=1
jobs="$(nproc)"
started=$SECONDS
stage() { echo "== $* ($((SECONDS - started)) s so far)"; }

# Configures and builds in $1 (warnings are errors), then runs its tests.
build_and_test() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@" >/dev/null
  local log="$dir/build.log"
  if ! cmake --build "$dir" -j"$jobs" >"$log" 2>&1; then
    cat "$log"
    echo "build in $dir failed"
    return 1
  fi
  ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

stage "formatting"
clang-format --dry-run -Werror $(git ls-files '*.cpp' '*.h' 2>/dev/null ||
  find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')

stage "normal build (Qt, benchmarks compiled) and all tests"
build_and_test build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZK_BENCH=ON

stage "core build without Qt and its tests"
build_and_test build-core -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZK_QT=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON

stage "Windows build (mingw-w64) and its tests under wine"
exe=$(ZK_WINDOWS_CMAKE_ARGS=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON bash tools/build-windows.sh \
  build-win | tail -n 1)
# One file is the whole launcher on Windows; keep it small.
size=$(stat -c %s "$exe")
if [ "$size" -gt $((2 * 1024 * 1024)) ]; then
  echo "$exe is $size bytes, more than 2 MB"
  exit 1
fi
build_and_test build-win

# clang-tidy reads only the compile commands: it runs beside the fuzzers, whose runs use one
# core, and the sanitizer build. The core build's commands cover the toolkit-free sources, the
# normal build's the Qt backend and the program entry.
tidy() {
  local dir=$1 files=$2
  run-clang-tidy -quiet -j 1 -p "$dir" -header-filter="$PWD/src/" "$files" 2>&1 |
    sed 's/\x1b\[[0-9;]*m//g' >"$dir/clang-tidy.log" || true
  if grep -E '(warning|error):' "$dir/clang-tidy.log"; then
    echo "clang-tidy found the above (build $dir)"
    return 1
  fi
}
tidy_all() {
  local ok=0
  tidy build-core "$PWD/src/" || ok=1
  tidy build-test "$PWD/src/(platform/qt|app)/" || ok=1
  return $ok
}
tidy_all >build-core/clang-tidy.out 2>&1 &
tidy_pid=$!
trap 'kill "$tidy_pid" 2>/dev/null || true' EXIT

stage "fuzzing the archive, map, settings and template readers (10 s each)"
ZK_FUZZ_BUILD=build-fuzz bash fuzz/run.sh 10

stage "sanitizer build (ASan + UBSan) and all tests"
ASAN_OPTIONS=detect_leaks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DZK_SANITIZE=ON

stage "clang-tidy (bugprone-*, performance-*) over src/"
if ! wait "$tidy_pid"; then
  cat build-core/clang-tidy.out
  exit 1
fi
stage "all tests passed"
