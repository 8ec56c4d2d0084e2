#!/usr/bin/env bash
# Tries the tool without a radio: installs what is missing, builds, starts the
# simulated radio on a virtual COM7 in a private Wine prefix, reads it once
# with radiocfg and opens the window on it. On a display ($DISPLAY) the window
# stays until it is closed; without one it runs on a virtual display, connects,
# reads, writes its picture to build/run/demo.png and ends.
set -euo pipefail
operator_display=${DISPLAY:-}
source "$(dirname "$0")/bench.sh"

bench_setup
bench_cable radio 7
bench_radiosim radio --log "$BENCH_DIR/radio.log" --protocol HI-TARGET
wine "$BENCH_BUILD/win/cli/radiocfg.exe" read --port 7
python3 "$BENCH_ROOT/tools/demo_window.py" 7 ${operator_display:+--stay}
