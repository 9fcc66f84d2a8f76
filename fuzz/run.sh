#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, starting from the
# seeds that the fixture writers make and the corpus kept in fuzz/corpus/.
#
#   bash fuzz/run.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 60); the targets are groupfile, map, settings and substitution
# (default all). Builds in build-fuzz/ (or $ZK_FUZZ_BUILD), without Qt. Exits non-zero when a
# target finds a crash, a leak or a timeout; its log and the input that caused it stay in
# build-fuzz/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(groupfile map settings substitution)
build=${ZK_FUZZ_BUILD:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZK_FUZZ=ON \
  -DZK_QT=OFF -DZK_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target zk_fuzz_seeds "${targets[@]/#/zk_fuzz_}" >/dev/null
out="$build/fuzz"
for target in "${targets[@]}"; do
  corpus="$out/corpus-$target"
  mkdir -p "$corpus"
  "$out/zk_fuzz_seeds" "$target" "$corpus"
  if [ -d "fuzz/corpus/$target" ]; then cp -n fuzz/corpus/$target/* "$corpus"/ 2>/dev/null || true; fi
  echo "== $target: $seconds s"
  (cd "$out" && "./zk_fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
     -max_len=200000 -print_final_stats=1 "corpus-$target") >"$out/$target.log" 2>&1 || {
    tail -n 40 "$out/$target.log"; echo "$target: FAILED (see $out/$target.log)"; exit 1; }
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^Done ' "$out/$target.log"
done
echo "fuzzing passed: no crash, leak or timeout"
