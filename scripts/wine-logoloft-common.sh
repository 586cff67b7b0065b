# Shared by the scripts that run Logoloft.exe under Wine on a virtual screen (sourced, not run):
# a run folder with the program, its NV.inf and dialog-drive.exe, the stored logo list in the Wine
# registry, the driver with a time-out on every call, screenshots and the clean-up.
# The caller sets WINEPREFIX and run (the run folder) before calling these.
wine64=/usr/lib/wine/wine64
logoloft_list_key='HKLM\Software\Varrick\NVUtility\Imagelist'

# logoloft_prepare EXE [DRIVER]: copies the program, the driver (when given) and data/NV.inf.
logoloft_prepare() {
  mkdir -p "$run"
  cp "$1" "$run/Logoloft.exe"
  [ -n "${2:-}" ] && cp "$2" "$run/dialog-drive.exe"
  cp "$top/data/NV.inf" "$run/NV.inf"
}

# inf_value KEY: the first value of KEY in the run folder's NV.inf (which has CRLF line ends).
inf_value() { sed -n "s/^$1=//p" "$run/NV.inf" | tr -d '\r' | head -n1; }

# The main window's caption: DESCRIPTION and VERSION of NV.inf.
main_caption() { echo "$(inf_value DESCRIPTION) V$(inf_value VERSION)"; }

# seed_logos FILE...: the stored logo list becomes these files of the run folder, in order, each with
# hue angle 0, R value 100, L value 100 and colour choice 0 (red), as the program stores them.
seed_logos() {
  "$wine64" reg delete "$logoloft_list_key" /f >/dev/null 2>&1 || true
  local n=0 file
  for file in "$@"; do
    n=$((n + 1))
    "$wine64" reg add "$logoloft_list_key" /v "$(printf image%03d $n)" /t REG_SZ \
      /d "Z:${run//\//\\}\\$file,000,100,100,0" /f >/dev/null 2>&1
  done
}

# drive COMMAND ARGS...: dialog-drive.exe in the run folder; no call lasts longer than 3 minutes.
drive() { (cd "$run" && timeout 180 "$wine64" ./dialog-drive.exe "$@"); }

# start_logoloft LOG: starts the program from the run folder; its pid goes to logoloft_pid.
start_logoloft() {
  (cd "$run" && exec "$wine64" Logoloft.exe) >"$1" 2>&1 &
  logoloft_pid=$!
}

# wait_ended PID SECONDS: true once the process has ended, false when it still runs after SECONDS.
wait_ended() {
  local i
  for i in $(seq 1 "$2"); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 1
  done
  ! kill -0 "$1" 2>/dev/null
}

# shot FILE: a screenshot of the whole virtual screen.
shot() { /usr/bin/import -window root "$1" && echo "screenshot: $1"; }

# stop_wine: ends the program (when it still runs) and every Wine process of the prefix.
stop_wine() {
  if [ -n "${logoloft_pid:-}" ]; then
    kill "$logoloft_pid" 2>/dev/null || true
    wait "$logoloft_pid" 2>/dev/null || true
  fi
  timeout 60 /usr/lib/wine/wineserver -k 2>/dev/null || true
}
