#!/usr/bin/env bash
# Starts the Windows Logoloft.exe under Wine on a virtual screen, waits for its main window (the
# caption NV.inf gives it), takes a screenshot of the screen and closes the window with its EXIT
# button (Enter presses the default button).
# Usage: bash scripts/wine-window-check.sh OUT_DIR [LOGOLOFT_EXE]
#   OUT_DIR gets shot.png and wine.log; LOGOLOFT_EXE defaults to the 64-bit build in /tmp/build-w64.
#   With SEED_LOGOS=1 the samples are first put into the stored logo list in the Wine registry, so
#   the window starts with rows in its list and pictures in its previews.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
exe=${2:-/tmp/build-w64/logoloft/win32/Logoloft.exe}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$out" "$exe"
fi
export WINEPREFIX=${WINEPREFIX:-/tmp/w64prefix} WINEDEBUG=-all
run=$(mktemp -d)
cp "$exe" "$run/Logoloft.exe"
cp "$top/data/NV.inf" "$run/NV.inf"
inf() { sed -n "s/^$1=//p" "$run/NV.inf" | tr -d '\r' | head -n1; }
caption="$(inf DESCRIPTION) V$(inf VERSION)"
cd "$run"
list_key='HKLM\Software\Varrick\NVUtility\Imagelist'
/usr/lib/wine/wine64 reg delete "$list_key" /f >/dev/null 2>&1 || true
if [ "${SEED_LOGOS:-0}" = 1 ]; then
  n=0
  for bmp in two-colour.bmp gradient.bmp one-colour.bmp; do
    cp "$top/samples/$bmp" "$run/$bmp"
    n=$((n + 1))
    /usr/lib/wine/wine64 reg add "$list_key" /v "$(printf image%03d $n)" /t REG_SZ \
      /d "Z:${run//\//\\}\\$bmp,000,100,100,0" /f >/dev/null 2>&1
  done
fi
/usr/lib/wine/wine64 Logoloft.exe >"$out/wine.log" 2>&1 &
wine_pid=$!
status=0
if window=$(timeout 180 xdotool search --sync --name "^${caption//./\\.}\$" | head -n1); then
  echo "window found: \"$caption\" ($window)"
  sleep 3  # let it paint
  import -window root "$out/shot.png"
  echo "screenshot: $out/shot.png"
  if [ "${SEED_LOGOS:-0}" = 1 ]; then
    # The first row of the logo list (its place in the window at 96 dots per inch): selecting it
    # shows that logo in the two previews.
    xdotool mousemove --window "$window" 110 37 click 1
    sleep 3
    import -window root "$out/shot-selected.png"
    echo "screenshot after selecting row 1: $out/shot-selected.png"
  fi
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window" || true
  xdotool key --window "$window" Return
  for _ in $(seq 1 30); do
    kill -0 "$wine_pid" 2>/dev/null || break
    sleep 1
  done
  if kill -0 "$wine_pid" 2>/dev/null; then
    echo "the window did not close on Enter; closing it"
    xdotool windowclose "$window" || true
    sleep 3
    status=1
  else
    echo "Logoloft ended after EXIT"
  fi
else
  echo "no window named \"$caption\" appeared"
  import -window root "$out/shot.png" || true
  status=1
fi
kill "$wine_pid" 2>/dev/null || true
wait "$wine_pid" 2>/dev/null || true
WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
rm -rf "$run"
exit $status
