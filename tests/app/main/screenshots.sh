#!/usr/bin/env bash
# Pictures of the main window as it starts in Chinese and in English:
# $BENCH_DIR/artifacts/main-zh.png and main-en.png. Needs DISPLAY, WINEPREFIX,
# xdotool and ImageMagick; the stored language is put back afterwards.
set -euo pipefail
program=$1
out=${BENCH_DIR:-$PWD}/artifacts
mkdir -p "$out"
key='HKCU\Software\DurazeR'
saved=$(mktemp)
trap 'rm -f "$saved"' EXIT
had_key=0
wine reg export "$key" "$saved" /y >/dev/null 2>&1 && had_key=1

restore() {
  wine reg delete "$key" /f >/dev/null 2>&1 || true
  if [ "$had_key" = 1 ]; then wine reg import "$saved" >/dev/null 2>&1 || true; fi
}
trap 'restore; rm -f "$saved"' EXIT

window_of() {  # the program's window id, waiting up to 20 s
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --name 'V001\.01\.03' 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

shoot() {  # language flag, picture name
  wine reg add "$key" /v Chinese /t REG_SZ /d "$1" /f >/dev/null
  LC_ALL=zh_CN.UTF-8 wine "$program" &
  local pid=$! id
  id=$(window_of) || { echo "no window"; kill "$pid" 2>/dev/null; return 1; }
  xdotool mousemove 0 0 2>/dev/null || true  # no control shown hot
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$id")"
  import -window root "$out/root.png"
  convert "$out/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2"
  rm -f "$out/root.png"
  # Escape closes the window as the Close button does.
  xdotool windowfocus --sync "$id" key Escape 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then echo "still running after Escape"; kill "$pid"; return 1; fi
  # The title bar right of its label: 0xD1E8F5 fading to 0xC9E3F4.
  local pixel
  pixel=$(convert "$out/$2" -format '%[fx:int(255*p{400,18}.r)] %[fx:int(255*p{400,18}.g)] %[fx:int(255*p{400,18}.b)]' info:)
  read -r r g b <<<"$pixel"
  if [ "$WIDTH" != 588 ] || [ "$HEIGHT" != 489 ] || [ "$r" -lt 196 ] || [ "$r" -gt 214 ] || [ "$b" -lt 239 ]; then
    echo "unexpected picture $2: ${WIDTH}x${HEIGHT}, title bar pixel $pixel"
    return 1
  fi
  echo "$out/$2"
}

shoot 1 main-zh.png
shoot 0 main-en.png
