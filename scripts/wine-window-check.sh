#!/usr/bin/env bash
# Starts the Windows Logoloft.exe under Wine on a virtual screen, waits for its main window (the
# caption NV.inf gives it), takes a screenshot of the screen and closes the window with its EXIT
# button (id 1). Fails when the window does not appear, or does not close on EXIT.
# Usage: bash scripts/wine-window-check.sh OUT_DIR [LOGOLOFT_EXE [DIALOG_DRIVE_EXE]]
#   OUT_DIR gets shot.png and wine.log; LOGOLOFT_EXE defaults to the 64-bit build in /tmp/build-w64,
#   DIALOG_DRIVE_EXE to tools/win32-drive/dialog-drive.exe of the same build. With the driver the
#   window's model name is read back and EXIT is pressed by id; without it Enter presses EXIT (the
#   default button).
#   With SEED_LOGOS=1 the samples are first put into the stored logo list in the Wine registry, so
#   the window starts with rows in its list and pictures in its previews (and the list's footer is
#   checked to count them). With SEED_MISSING=1 as well, a fourth stored entry names a file that is
#   not there: the program must say "Failed to load image file!" and start with the other three.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
exe=${2:-/tmp/build-w64/logoloft/win32/Logoloft.exe}
driver=${3:-$(dirname "$exe")/../../tools/win32-drive/dialog-drive.exe}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$out" "$exe" "$driver"
fi
export WINEPREFIX=${WINEPREFIX:-/tmp/w64prefix} WINEDEBUG=-all
source "$top/scripts/wine-logoloft-common.sh"
run=$(mktemp -d)
[ -f "$driver" ] || driver=
logoloft_prepare "$exe" "$driver"
caption=$(main_caption)
trap 'stop_wine; rm -rf "$run"' EXIT

seeded=()
if [ "${SEED_LOGOS:-0}" = 1 ]; then
  for bmp in two-colour.bmp gradient.bmp one-colour.bmp; do
    cp "$top/samples/$bmp" "$run/$bmp"
    seeded+=("$bmp")
  done
  [ "${SEED_MISSING:-0}" = 1 ] && seeded+=(not-there.bmp)
fi
seed_logos "${seeded[@]}"

fail() { echo "FAILED: $*"; exit 1; }

start_logoloft "$out/wine.log"
if [ "${SEED_MISSING:-0}" = 1 ]; then
  [ -n "$driver" ] || fail "SEED_MISSING needs dialog-drive.exe"
  said=$(drive message Logoloft 180) || fail "no message box about the missing logo file"
  [ "$said" = "Failed to load image file!" ] || fail "the message box said \"$said\""
  echo "message box for the missing logo file: \"$said\""
fi
window=$(timeout 180 xdotool search --sync --name "^${caption//./\\.}\$" | head -n1) || true
if [ -z "$window" ]; then
  shot "$out/shot.png" || true
  fail "no window named \"$caption\" appeared"
fi
echo "window found: \"$caption\" ($window)"
sleep 3  # let it paint
shot "$out/shot.png"

if [ -n "$driver" ]; then
  model=$(drive text "$caption" 1063) || fail "cannot read the window's printer name"
  [ "$model" = "$(inf_value ModelName)" ] || fail "the window shows printer \"$model\", NV.inf has $(inf_value ModelName)"
  echo "printer shown: $model"
  if [ ${#seeded[@]} -gt 0 ]; then
    footer=$(drive text "$caption" 1006) || fail "cannot read the logo list's footer"
    grep -q "^Logo Files : 3 / 10" <<<"$footer" || fail "the logo list's footer reads \"$footer\""
    echo "logo list footer: $(head -n1 <<<"$footer" | tr -d '\r')"
  fi
fi
if [ ${#seeded[@]} -gt 0 ]; then
  # The first row of the logo list (its place in the window at 96 dots per inch): selecting it
  # shows that logo in the two previews.
  xdotool mousemove --window "$window" 110 37 click 1
  sleep 3
  shot "$out/shot-selected.png"
fi

if [ -n "$driver" ]; then
  drive click "$caption" 1 || fail "cannot press EXIT"
else
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window" || true
  xdotool key --window "$window" Return
fi
wait_ended "$logoloft_pid" 30 || fail "Logoloft still runs 30 s after EXIT"
logoloft_pid=
echo "Logoloft ended after EXIT"
