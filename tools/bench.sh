# Test bench for the Windows programs under Wine. Source it, then call:
#   bench_install                  install whatever is missing (apt-get)
#   bench_build                    build the Linux helpers and the Windows programs
#   bench_wine_start               private prefix + persistent wineserver in $BENCH_DIR
#   bench_setup                    all three above from an empty $BENCH_DIR, on a virtual
#                                  display (bench_xvfb) unless DISPLAY is set
#   bench_cable NAME COM           virtual cable $BENCH_DIR/NAME-pc <-> $BENCH_DIR/NAME-radio,
#                                  the pc end mapped as COM<COM> and registered in SerialComm
#   bench_radiosim NAME [ARGS...]  simulated radio on the radio end of cable NAME
#   bench_xvfb                     virtual X display, exported as DISPLAY
#   bench_stop                     stop everything started here (also run on exit)
# Paths: $BENCH_ROOT (the checkout), $BENCH_BUILD (build folder), $BENCH_DIR (run state).

BENCH_ROOT=${BENCH_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
BENCH_BUILD=${BENCH_BUILD:-$BENCH_ROOT/build}
BENCH_DIR=${BENCH_DIR:-$BENCH_BUILD/run}
BENCH_PIDS=()

BENCH_PACKAGES="cmake make g++ g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine64 xvfb
  socat libstb-dev xdotool imagemagick fonts-wqy-zenhei googletest"

bench_log() { echo "[bench] $*" >&2; }

bench_install() {
  local missing=() pkg
  for pkg in $BENCH_PACKAGES; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  bench_log "installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q >/dev/null || bench_log "apt-get update failed; trying the install anyway"
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

bench_build() {
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  cmake -S "$BENCH_ROOT/tools" -B "$BENCH_BUILD/host" -DCMAKE_BUILD_TYPE=Release >/dev/null &&
    cmake --build "$BENCH_BUILD/host" -j "$jobs" &&
    cmake -S "$BENCH_ROOT" -B "$BENCH_BUILD/win" \
      -DCMAKE_TOOLCHAIN_FILE="$BENCH_ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null &&
    cmake --build "$BENCH_BUILD/win" -j "$jobs"
}

bench_wine_start() {
  export WINEPREFIX="$BENCH_DIR/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  export LD_PRELOAD="$BENCH_BUILD/host/ptyshim.so"
  mkdir -p "$WINEPREFIX"
  trap bench_stop EXIT
  wineserver -p </dev/null >/dev/null 2>&1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    bench_log "creating Wine prefix $WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1
  fi
  # A crash prints its backtrace and ends the process instead of waiting on a dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    </dev/null >/dev/null 2>&1
}

bench_setup() {
  bench_install
  bench_build
  rm -rf "$BENCH_DIR"
  # Wine's desktop process takes the display of the first program that starts it.
  [ -n "${DISPLAY:-}" ] || bench_xvfb
  bench_wine_start
}

# Unix path -> the path a Wine process sees.
bench_winpath() { echo "Z:$1" | tr / '\\'; }

bench_cable() {
  local name=$1 com=$2
  local pc="$BENCH_DIR/$name-pc" radio="$BENCH_DIR/$name-radio"
  rm -f "$pc" "$radio"
  socat pty,raw,echo=0,link="$pc" pty,raw,echo=0,link="$radio" </dev/null >/dev/null 2>&1 &
  BENCH_PIDS+=($!)
  local i
  for i in $(seq 50); do [ -e "$pc" ] && [ -e "$radio" ] && break; sleep 0.1; done
  ln -sfn "$pc" "$WINEPREFIX/dosdevices/com$com"
  wine reg add 'HKLM\Hardware\DeviceMap\SerialComm' /v "\\Device\\Bench$name" \
    /t REG_SZ /d "COM$com" /f >/dev/null 2>&1
}

bench_radiosim() {
  local name=$1
  shift
  "$BENCH_BUILD/host/radiosim/radiosim" --device "$BENCH_DIR/$name-radio" "$@" \
    </dev/null >>"$BENCH_DIR/$name-radiosim.out" 2>&1 &
  BENCH_PIDS+=($!)
}

bench_xvfb() {
  local display=:$((90 + RANDOM % 100))
  trap bench_stop EXIT
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  BENCH_PIDS+=($!)
  export DISPLAY=$display
  local i
  for i in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && return 0; sleep 0.1; done
  return 1
}

bench_stop() {
  local pid
  # Wine first, so that its processes do not outlive the display they draw on.
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k </dev/null >/dev/null 2>&1 || true; fi
  for pid in "${BENCH_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  BENCH_PIDS=()
  return 0
}

# The end-to-end tests and the demo drive the window from Python and find the
# bench (build, run state) through these variables.
BENCH_PACKAGES="$BENCH_PACKAGES python3"
export BENCH_ROOT BENCH_BUILD BENCH_DIR
