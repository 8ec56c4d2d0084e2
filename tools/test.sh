#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# platform-independent core natively under the sanitizers and a short run of
# every fuzzer, then unit tests and integration tests over a virtual COM port
# against the simulated radio, all under Wine with one persistent wineserver.
set -euo pipefail
source "$(dirname "$0")/bench.sh"

bench_setup

# COM7: the simulated radio the integration tests drive through its control file.
bench_cable radio 7
bench_radiosim radio --log "$BENCH_DIR/radio.log" --control "$BENCH_DIR/radio.control"
export RADIOSIM_COM=7
export RADIOSIM_LOG="$BENCH_DIR/radio.log"
export RADIOSIM_CONTROL="$BENCH_DIR/radio.control"
# COM10: a second radio, for radiocfg on several ports at once.
bench_cable radio2 10
bench_radiosim radio2 --log "$BENCH_DIR/radio2.log" --control "$BENCH_DIR/radio2.control"
export RADIOSIM2_COM=10
export RADIOSIM2_LOG="$BENCH_DIR/radio2.log"
export RADIOSIM2_CONTROL="$BENCH_DIR/radio2.control"

# A hung program fails its test instead of holding up the whole run.
ctest --test-dir "$BENCH_BUILD/host" --output-on-failure --timeout 120
echo "[bench] native core and radiocfg under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer" >&2
# The native radiocfg tests start simulated radios of their own on socat cables.
export RADIOSIM_EXE="$BENCH_BUILD/host/radiosim/radiosim"
ctest --test-dir "$BENCH_BUILD/native" --output-on-failure -j 2 -LE bench --timeout 300
echo "[bench] fuzzers, ${FUZZ_SECONDS:=10} s each" >&2
bash "$BENCH_ROOT/tools/fuzz.sh" "$FUZZ_SECONDS"
ctest --test-dir "$BENCH_BUILD/win" --output-on-failure -j 2 -LE bench --timeout 300
ctest --test-dir "$BENCH_BUILD/win" --output-on-failure -L bench --verbose --timeout 600
ctest --test-dir "$BENCH_BUILD/native" --output-on-failure -L bench --verbose --timeout 600
