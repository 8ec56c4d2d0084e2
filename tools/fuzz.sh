#!/usr/bin/env bash
# Builds the fuzzers (clang, -fsanitize=fuzzer,address,undefined) into
# build/fuzz and runs each for SECONDS (default 30), from the seeds in
# tests/fuzz/seeds and what earlier runs found (build/fuzz/corpus). Prints one
# line per fuzzer and exits 1 on any crash, leak, timeout or sanitizer report;
# the input that caused it is kept in build/fuzz/artifacts/NAME/.
#   tools/fuzz.sh [SECONDS]
set -uo pipefail
source "$(dirname "$0")/bench.sh"

seconds=${1:-30}
build=$BENCH_BUILD/fuzz
fuzz_src=$BENCH_ROOT/tests/fuzz

# Inputs longer than libFuzzer's default of 4096 bytes, where the format needs them.
declare -A max_len=([firmware_plan]=20000 [markup]=8192 [skin_builder]=8192)

fuzz_build() {
  bench_install || return 1
  CC=clang CXX=clang++ cmake -S "$BENCH_ROOT" -B "$build" -DRADIOCONFIG_FUZZERS=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
    cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" >"$build/build.log" 2>&1 ||
    { cat "$build/build.log" >&2; return 1; }
}

# The value of libFuzzer's "stat::NAME:" line, or "-".
stat_of() { awk -v key="stat::$1:" '$1 == key { value = $2 } END { print value == "" ? "-" : value }' "$2"; }

run_fuzzer() {
  local fuzzer=$1 name log artifacts corpus args rc cov crashes
  name=$(basename "$fuzzer" _fuzzer)
  log=$build/logs/$name.log
  artifacts=$build/artifacts/$name
  corpus=$build/corpus/$name
  mkdir -p "$artifacts" "$corpus" "$build/logs"
  rm -f "$artifacts"/*
  args=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048
    -artifact_prefix="$artifacts/" -max_len="${max_len[$name]:-4096}")
  [ -f "$fuzz_src/dict/$name.dict" ] && args+=(-dict="$fuzz_src/dict/$name.dict")
  "$fuzzer" "${args[@]}" "$corpus" "$fuzz_src/seeds/$name" >"$log" 2>&1
  rc=$?
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  crashes=$(find "$artifacts" -type f | wc -l)
  [ "$rc" -ne 0 ] && [ "$crashes" -eq 0 ] && crashes=1
  printf '%-14s runs %10s  exec/s %7s  cov %5s  crashes %d\n' "$name" "$(stat_of number_of_executed_units "$log")" \
    "$(stat_of average_exec_per_sec "$log")" "${cov:--}" "$crashes"
  if [ "$crashes" -ne 0 ]; then
    grep -E 'ERROR|SUMMARY|runtime error|check failed' "$log" | head -5 | sed 's/^/    /'
    find "$artifacts" -type f | sed 's/^/    input: /'
    echo "    log: $log"
    return 1
  fi
}

mkdir -p "$build"
fuzz_build || { echo "fuzz: the fuzzers did not build" >&2; exit 1; }
failed=0
for fuzzer in "$build"/tests/fuzz/*_fuzzer; do
  run_fuzzer "$fuzzer" || failed=1
done
exit $failed
