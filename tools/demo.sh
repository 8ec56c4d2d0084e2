#!/usr/bin/env bash
# Tries the tool without a radio: installs what is missing, builds, starts the
# simulated radio on a virtual COM7 in a private Wine prefix and reads it.
set -euo pipefail
source "$(dirname "$0")/bench.sh"

bench_setup
bench_cable radio 7
bench_radiosim radio --log "$BENCH_DIR/radio.log"
wine "$BENCH_BUILD/win/cli/radiocfg.exe" read --port 7
