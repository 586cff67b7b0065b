#!/usr/bin/env bash
# Downloads two logos into a virtual printer through the real dialogs of the Windows Logoloft.exe
# and prints them back, then checks the receipt against the same logos sent by the host's
# logoloft-cli to a second virtual printer: both printers must hold the same NV memory and print
# the same pixels, and the receipt must not be blank.
#   Logoloft.exe runs under Wine on a virtual screen with a copy of NV.inf whose saved settings
#   choose Ethernet to 127.0.0.1 and the first printer's port, and a stored logo list of the two
#   samples; dialog-drive.exe presses its buttons by caption and control id.
# Usage: bash scripts/wine-download-check.sh BUILD_DIR OUT_DIR
#   BUILD_DIR holds host/ (printer-sim, logoloft-cli) and win64/ (Logoloft.exe, dialog-drive.exe).
#   OUT_DIR gets the screenshots, both printers' state folders and logs, and the receipts.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$build" "$out"
fi
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix} WINEDEBUG=-all
source "$top/scripts/wine-logoloft-common.sh"
sim=$build/host/printer-sim/printer-sim
cli=$build/host/tools/logoloft-cli/logoloft-cli
# The gradient's dots depend on the colour settings, so a download that lost the stored settings
# shows in the comparison.
logos=(one-colour.bmp gradient.bmp)

# printer-sim keeps its NV memory and numbers its receipts on from what its folder holds: start afresh.
rm -rf "$out/printer-app" "$out/printer-cli" "$out"/*.png
run=$(mktemp -d)
sim_pids=()
cleanup() {
  stop_wine
  for pid in "${sim_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${sim_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$run"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*"
  shot "$out/failed.png" >/dev/null 2>&1 && echo "screen at the failure: $out/failed.png"
  exit 1
}

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}
# start_printer NAME: a virtual P-8 on a free port with its state in OUT_DIR/NAME; sets port.
start_printer() {
  port=$(free_port)
  "$sim" --listen 127.0.0.1:"$port" --state "$out/$1" --model P-8 >"$out/$1.log" 2>&1 &
  sim_pids+=($!)
  for _ in $(seq 50); do grep -q listening "$out/$1.log" && return 0; sleep 0.1; done
  fail "printer-sim $1 did not start: $(cat "$out/$1.log")"
}
# wait_print NAME: waits up to 60 s for the printer's first receipt.
wait_print() {
  for _ in $(seq 600); do
    ls "$out/$1/prints/"*.png >/dev/null 2>&1 && { sleep 1; return 0; }
    sleep 0.1
  done
  fail "printer $1 printed nothing within 60 s"
}

# --- Logoloft.exe, through its dialogs -------------------------------------------------------------
start_printer printer-app
app_port=$port
logoloft_prepare "$build/win64/logoloft/win32/Logoloft.exe" "$build/win64/tools/win32-drive/dialog-drive.exe"
for bmp in "${logos[@]}"; do cp "$top/samples/$bmp" "$run/$bmp"; done
# The saved communication settings: Ethernet (interface 3) to 127.0.0.1 and the printer's port.
python3 - "$run/NV.inf" "$app_port" <<'PY'
import sys
path, port = sys.argv[1], sys.argv[2]
wanted = {"INTERFACE": "3", "IP1": "127", "IP2": "0", "IP3": "0", "IP4": "1", "PORT": port}
lines, section, done = [], "", set()
for line in open(path, newline="").read().split("\r\n"):
    if line.startswith("["):
        section = line
    key = line.split("=", 1)[0]
    if section == "[COMMUNICATION]" and key in wanted:
        line = key + "=" + wanted[key]
        done.add(key)
    lines.append(line)
if done != set(wanted):
    sys.exit("NV.inf has no " + ", ".join(sorted(set(wanted) - done)) + " in [COMMUNICATION]")
open(path, "w", newline="").write("\r\n".join(lines))
PY
seed_logos "${logos[@]}"
main=$(main_caption)
model=$(inf_value ModelName)
upload="$model Image download dialog"

start_logoloft "$out/wine.log"
drive wait "$main" 180 || fail "no main window \"$main\""
sleep 2  # let it paint
for check in "1065 Ethernet" "1066 127.0.0.1" "1067 $app_port"; do
  shown=$(drive text "$main" "${check%% *}") || fail "cannot read control ${check%% *}"
  [ "$shown" = "${check#* }" ] || fail "the configuration shows \"$shown\" in control ${check%% *}, not \"${check#* }\""
done
footer=$(drive text "$main" 1006) || fail "cannot read the logo list's footer"
grep -q "^Logo Files : 2 / 10" <<<"$footer" || fail "the logo list's footer reads \"$footer\""
shot "$out/main.png"
echo "main window: Ethernet to 127.0.0.1:$app_port, two stored logos"

drive click "$main" 1011 || fail "cannot press Download.."
drive wait "$upload" 30 || fail "Download.. opened no \"$upload\""
drive wait-text "$upload" 1039 "Ready downloading." 10 || fail "the download dialog is not ready"
drive click "$upload" 1071 || fail "cannot press Download Start"
started=$(date +%s)
said=$(drive message Logoloft 120) || fail "no message box after Download Start"
echo "download dialog: \"$said\" after $(( $(date +%s) - started )) s"
[ "$said" = "Download Completed!" ] || fail "the download ended with \"$said\""
shot "$out/download.png"
drive click "$upload" 1 || fail "cannot press Cancel of the download dialog"
drive wait-gone "$upload" 10 || fail "the download dialog did not close"

drive click "$main" 1013 || fail "cannot press Print"
drive wait Print 30 || fail "Print opened no \"Print\" dialog"
drive click Print 1024 || fail "cannot choose Add Header"
drive click Print 1026 || fail "cannot choose Selection"
drive set-text Print 1027 "1-2" || fail "cannot type the selection"
drive checked Print 1024 || fail "Add Header is not chosen"
drive checked Print 1026 || fail "Selection is not chosen"
drive click Print 1022 || fail "cannot press &Print"
wait_print printer-app
shot "$out/print.png"
drive click Print 1 || fail "cannot press Exit of the print dialog"
drive wait-gone Print 10 || fail "the print dialog did not close"
drive click "$main" 1 || fail "cannot press EXIT"
wait_ended "$logoloft_pid" 30 || fail "Logoloft still runs 30 s after EXIT"
logoloft_pid=
echo "Logoloft downloaded, printed and ended"

# --- the same two logos through logoloft-cli ---------------------------------------------------------
# The stored entries carry hue angle 0, R 100, L 100 and colour choice 0 (red); the command is given
# the same, since its own choice for a one-colour model would be "none".
start_printer printer-cli
cli_port=$port
samples=()
for bmp in "${logos[@]}"; do samples+=("$top/samples/$bmp"); done
timeout 120 "$cli" download --model "$model" --catalogue "$top/data/NV.inf" --to 127.0.0.1:"$cli_port" \
  --threshold 0 --r-value 100 --l-value 100 --colour red "${samples[@]}" >"$out/cli-download.log" 2>&1 \
  || fail "logoloft-cli download: $(tail -n1 "$out/cli-download.log")"
timeout 60 "$cli" print --to 127.0.0.1:"$cli_port" --header --select 1-2 >"$out/cli-print.log" 2>&1 \
  || fail "logoloft-cli print: $(tail -n1 "$out/cli-print.log")"
wait_print printer-cli
for pid in "${sim_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
for pid in "${sim_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
sim_pids=()

# --- the comparison ------------------------------------------------------------------------------------
app_prints=("$out"/printer-app/prints/*.png)
cli_prints=("$out"/printer-cli/prints/*.png)
[ ${#app_prints[@]} -eq ${#cli_prints[@]} ] ||
  fail "Logoloft printed ${#app_prints[@]} receipt(s), logoloft-cli ${#cli_prints[@]}"
for i in "${!app_prints[@]}"; do
  differ=$(/usr/bin/compare -metric AE "${app_prints[$i]}" "${cli_prints[$i]}" "$out/difference-$((i + 1)).png" 2>&1) || true
  [ "$differ" = 0 ] || fail "receipt $((i + 1)): $differ pixels differ from logoloft-cli's (see $out/difference-$((i + 1)).png)"
  rm -f "$out/difference-$((i + 1)).png"
  dark=$(/usr/bin/convert "${app_prints[$i]}" -colorspace Gray -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)
  [ "$dark" -gt 0 ] || fail "receipt $((i + 1)) is blank"
  echo "receipt $((i + 1)): $(/usr/bin/identify -format '%wx%h' "${app_prints[$i]}"), $dark dark dots, the same pixels as logoloft-cli's"
done
cmp -s "$out/printer-app/nvstate.txt" "$out/printer-cli/nvstate.txt" ||
  fail "the printers' NV memory differs (nvstate.txt of printer-app and printer-cli)"
images=$(grep -c '^nvbit ' "$out/printer-app/nvstate.txt" || true)
[ "$images" = "${#logos[@]}" ] || fail "the printer holds $images NV bit images, not ${#logos[@]}"
echo "NV memory: $images bit images, the same as logoloft-cli's"
for i in "${!app_prints[@]}"; do
  cp "${app_prints[$i]}" "$out/receipt-logoloft-$((i + 1)).png"
  cp "${cli_prints[$i]}" "$out/receipt-cli-$((i + 1)).png"
done
echo "receipts, screenshots and printer states: $out"
