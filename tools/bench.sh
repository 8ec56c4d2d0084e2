# Test bench for the Windows programs under Wine. Source it, then call:
#   bench_install                  install whatever is missing (apt-get)
#   bench_build                    build the Linux helpers, the native core with its
#                                  sanitizer tests, and the Windows programs
#   bench_wine_start               private prefix + persistent wineserver in $BENCH_DIR
#   bench_setup                    all three above from an empty $BENCH_DIR, on a virtual
#                                  display (bench_xvfb) unless DISPLAY is set
#   bench_cable NAME COM           virtual cable $BENCH_DIR/NAME-pc <-> $BENCH_DIR/NAME-radio,
#                                  the pc end mapped as COM<COM> and registered in SerialComm
#   bench_radiosim NAME [ARGS...]  simulated radio on the radio end of cable NAME (it reads
#                                  the rate the pc end is set to from that end)
#   bench_xvfb                     virtual X display, exported as DISPLAY
#   bench_stop                     stop everything started here (also run on exit)
# Paths: $BENCH_ROOT (the checkout), $BENCH_BUILD (build folder), $BENCH_DIR (run state).

BENCH_ROOT=${BENCH_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
BENCH_BUILD=${BENCH_BUILD:-$BENCH_ROOT/build}
BENCH_DIR=${BENCH_DIR:-$BENCH_BUILD/run}
BENCH_PIDS=()

# What the bench uses: a command (or, where there is none, a file) and the Debian
# package that brings it. Only what is missing is installed.
BENCH_NEEDS="
  cmake:cmake
  make:make
  g++:g++
  clang:clang
  /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a:libclang-rt-14-dev
  x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix
  x86_64-w64-mingw32-strip:binutils-mingw-w64-x86-64
  /usr/share/mingw-w64/include/windows.h:mingw-w64-x86-64-dev
  wine:wine
  /usr/lib/wine/wine64:wine64
  Xvfb:xvfb
  socat:socat
  xdotool:xdotool
  import:imagemagick
  python3:python3
  /usr/include/stb/stb_image.h:libstb-dev
  /usr/src/googletest/CMakeLists.txt:googletest
  /usr/share/fonts/truetype/wqy/wqy-microhei.ttc:fonts-wqy-microhei
  /usr/share/wine/fonts/tahoma.ttf:fonts-wine
  makensis:nsis
  /usr/share/i18n/locales/zh_CN:locales
  zip:zip
"

bench_log() { echo "[bench] $*" >&2; }

bench_missing_packages() {
  local need what pkg
  for need in $BENCH_NEEDS; do
    what=${need%%:*} pkg=${need#*:}
    case $what in
      /*) [ -e "$what" ] ;;
      *) command -v "$what" >/dev/null 2>&1 ;;
    esac || echo "$pkg"
  done
}

bench_install() {
  local missing
  missing=$(bench_missing_packages | sort -u | tr '\n' ' ')
  [ -z "${missing// /}" ] && return 0
  bench_log "installing $missing"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q >/dev/null || bench_log "apt-get update failed; trying the install anyway"
  # shellcheck disable=SC2086
  $sudo apt-get install -y -q --no-install-recommends $missing >/dev/null
  missing=$(bench_missing_packages | sort -u | tr '\n' ' ')
  [ -z "${missing// /}" ] || { bench_log "still missing after the install: $missing"; return 1; }
}

bench_build() {
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  cmake -S "$BENCH_ROOT/tools" -B "$BENCH_BUILD/host" -DCMAKE_BUILD_TYPE=Release >/dev/null &&
    cmake --build "$BENCH_BUILD/host" -j "$jobs" &&
    cmake -S "$BENCH_ROOT" -B "$BENCH_BUILD/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRADIOCONFIG_WERROR=ON >/dev/null &&
    cmake --build "$BENCH_BUILD/native" -j "$jobs" &&
    cmake -S "$BENCH_ROOT" -B "$BENCH_BUILD/win" \
      -DCMAKE_TOOLCHAIN_FILE="$BENCH_ROOT/cmake/mingw-w64-x86_64.cmake" -DRADIOCONFIG_WERROR=ON >/dev/null &&
    cmake --build "$BENCH_BUILD/win" -j "$jobs"
}

bench_wine_start() {
  export WINEPREFIX="$BENCH_DIR/prefix"
  export WINEDEBUG=-all
  # No menu builder: shortcuts that an installer under test makes stay inside the prefix.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEARCH=win64
  bench_wine_wrapper
  mkdir -p "$WINEPREFIX"
  trap bench_stop EXIT
  wineserver -p </dev/null >/dev/null 2>&1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    bench_log "creating Wine prefix $WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1
  fi
  # regedit reads UTF-16 files whatever the code page; the source is UTF-8.
  iconv -f UTF-8 -t UTF-16 "$BENCH_ROOT/tools/bench-wine.reg" >"$BENCH_DIR/bench-wine.reg"
  wine regedit /S "$(bench_winpath "$BENCH_DIR/bench-wine.reg")" </dev/null >/dev/null 2>&1
}

# The pty shim belongs in Wine's processes only (the wineserver opens devices
# for its clients): socat and the simulated radio open the same ptys and must
# not take its locks. Wrappers first on PATH preload it; the tests' emulator
# and the scripts call wine and wineserver by name.
bench_wine_wrapper() {
  local bin="$BENCH_DIR/bin" program real
  mkdir -p "$bin"
  for program in wine wineserver; do
    real=$(PATH=${PATH#"$bin:"} command -v "$program") || { bench_log "$program not found"; return 1; }
    cat >"$bin/$program" <<WRAPPER
#!/bin/sh
LD_PRELOAD="$BENCH_BUILD/host/ptyshim.so\${LD_PRELOAD:+:\$LD_PRELOAD}" exec "$real" "\$@"
WRAPPER
    chmod +x "$bin/$program"
  done
  case ":$PATH:" in *":$bin:"*) ;; *) export PATH="$bin:$PATH" ;; esac
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
  "$BENCH_BUILD/host/radiosim/radiosim" --device "$BENCH_DIR/$name-radio" --pc-device "$BENCH_DIR/$name-pc" "$@" \
    </dev/null >>"$BENCH_DIR/$name-radiosim.out" 2>&1 &
  BENCH_PIDS+=($!)
}

bench_xvfb() {
  # Xvfb picks a free display itself, so that benches side by side never share one.
  local number_file i
  number_file=$(mktemp)
  trap bench_stop EXIT
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
  BENCH_PIDS+=($!)
  for i in $(seq 100); do
    if [ -s "$number_file" ]; then
      export DISPLAY=:$(tr -d '[:space:]' <"$number_file")
      rm -f "$number_file"
      return 0
    fi
    sleep 0.1
  done
  rm -f "$number_file"
  bench_log "Xvfb did not start"
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
export BENCH_ROOT BENCH_BUILD BENCH_DIR
