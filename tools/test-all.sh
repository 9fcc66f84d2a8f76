#!/usr/bin/env bash
# Builds and runs every test twice: a normal build (with the benchmarks compiled), and one with
# AddressSanitizer and UndefinedBehaviorSanitizer; between them a short libFuzzer run of the
# archive and map readers. Headless; the real-window checks run under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/ensure-packages.sh
export QT_QPA_PLATFORM=offscreen
echo "== formatting"
clang-format --dry-run -Werror $(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
jobs="$(nproc)"
run() {
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  local log="$dir/build.log"
  if ! cmake --build "$dir" -j"$jobs" >"$log" 2>&1; then
    cat "$log"; echo "build in $dir failed"; return 1
  fi
  if grep -E 'warning:' "$log"; then echo "build in $dir has warnings"; return 1; fi
  ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}
echo "== normal build"
run build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZK_BENCH=ON
echo "== fuzzing the archive and map readers (10 s each)"
ZK_FUZZ_BUILD=build-fuzz bash fuzz/run.sh 10
echo "== sanitizer build (ASan + UBSan)"
ASAN_OPTIONS=detect_leaks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run build-asan -DCMAKE_BUILD_TYPE=Debug -DZK_SANITIZE=ON
echo "== all tests passed"
