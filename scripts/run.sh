#!/usr/bin/env bash
# The run command: builds ModLatch and starts it under 64-bit Wine.
# With $DISPLAY set it runs there until closed. Without, it runs on a private
# Xvfb, saves a screenshot, prints its path and ends what it started.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

scripts/install-deps.sh

scripts/build-windows.sh

tree=$root/build/windows-x64
exe=$tree/ModLatch.exe
probe=$tree/probe/probe.exe
export WINEPREFIX=$tree/e2e-wineprefix  # shared with the end-to-end tests
export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8

xvfb_pid=""
app_pid=""
close_app() {
  # Ask politely first (WM_CLOSE lets it release keys and save its settings).
  local hwnd
  hwnd=$(/usr/lib/wine/wine64 "$probe" find ModLatchMainForm 2>/dev/null |
    python3 -c 'import json,sys; w=json.loads(sys.stdin.readline())["windows"]; print(w[0]["hwnd"] if w else "")' ||
    true)
  [[ -n $hwnd ]] && /usr/lib/wine/wine64 "$probe" send "$hwnd" 0x10 0 0 >/dev/null 2>&1 || true
  for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
}

cleanup() {
  set +e  # end everything even if one step fails
  [[ -n $app_pid ]] && close_app
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null || true
  # The wineserver leaves by itself once its last program has gone.
  timeout 30 "$WINESERVER" -w || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} ]]; then
  # A number well above the usual ones; Xvfb's lock file refuses a taken one.
  for _ in $(seq 20); do
    number=$((300 + RANDOM % 400))
    [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 150); do
      [[ -S /tmp/.X11-unix/X$number ]] && xdpyinfo -display ":$number" >/dev/null 2>&1 && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$xvfb_pid" 2>/dev/null && break
    wait "$xvfb_pid" || true
    xvfb_pid=""
  done
  [[ -n $xvfb_pid ]] || { echo "run: could not start Xvfb" >&2; exit 1; }
  export DISPLAY=:$number
  private_display=1
else
  private_display=""
fi

marker=$WINEPREFIX/.modlatch-e2e-ready
if [[ ! -e $marker ]]; then
  (
    flock 9
    if [[ ! -e $marker ]]; then
      echo "run: creating the Wine prefix (about 15 s)"
      rm -rf "$WINEPREFIX"
      /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
      "$WINESERVER" -w
      echo "created by scripts/run.sh" >"$marker"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

if [[ -z $private_display ]]; then
  echo "run: starting $exe on $DISPLAY"
  /usr/lib/wine/wine64 "$exe" &
  app_pid=$!
  wait "$app_pid" || true
  app_pid=""
  exit 0
fi

/usr/lib/wine/wine64 "$exe" &
app_pid=$!
/usr/lib/wine/wine64 "$probe" wait-window ModLatchMainForm 20000 >/dev/null
sleep 0.5  # let the first paint finish before the picture is taken
shot=$root/build/run-screenshot.png
import -window root "$shot"
echo "run: ModLatch ran on private display $DISPLAY; screenshot: $shot"
