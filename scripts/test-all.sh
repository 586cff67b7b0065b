#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds the host and Windows builds, and runs every test.
# Usage: bash scripts/test-all.sh        (build output goes to build/, or P8_BUILD_DIR; the Wine
#                                        checks' screenshots and receipts to its ci-logs/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${P8_BUILD_DIR:-$top/build}
jobs=$(nproc)

logs=$build/ci-logs  # the Wine checks' screenshots, receipts and logs, named at the end either way
rm -rf "$logs"
phase() { printf '\n=== %s (%s)\n' "$1" "$(date +%T)"; }
trap 'rc=$?; [ -d "$logs" ] && printf "\nWine screenshots, receipts and logs: %s\n" "$logs"; exit $rc' EXIT

phase "install"
bash "$top/scripts/install-deps.sh"

phase "host build"
cmake -S "$top" -B "$build/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/host" -j"$jobs"

phase "win32 build (the deliverables, i686)"
cmake -S "$top" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686-posix.cmake" >/dev/null
cmake --build "$build/win32" -j"$jobs"

phase "Windows check under Wine"
bash "$top/scripts/wine-check.sh" "$build"

# Logoloft.exe itself under Wine on a virtual screen, as the 64-bit copy (the machines CI runs on
# cannot execute 32-bit code): only the program and the dialog driver are built. Screenshots and logs go to ci-logs/.
mkdir -p "$logs"
export WINEPREFIX="$build/wineprefix"
phase "Logoloft window under Wine"
cmake -S "$top" -B "$build/win64" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-x86_64-posix.cmake" >/dev/null
cmake --build "$build/win64" --target Logoloft dialog-drive -j"$jobs"
SEED_LOGOS=1 SEED_MISSING=1 timeout 600 bash "$top/scripts/wine-window-check.sh" "$logs/window" \
  "$build/win64/logoloft/win32/Logoloft.exe" "$build/win64/tools/win32-drive/dialog-drive.exe"

phase "Logoloft download and print under Wine"
timeout 900 bash "$top/scripts/wine-download-check.sh" "$build" "$logs/download"

phase "host tests"
cd "$build/host"
ctest --output-on-failure -j"$jobs"
