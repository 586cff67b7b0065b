#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds the host and Windows builds, and runs every test.
# Usage: bash scripts/test-all.sh        (build output goes to build/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${P8_BUILD_DIR:-$top/build}
jobs=$(nproc)

phase() { printf '\n=== %s (%s)\n' "$1" "$(date +%T)"; }

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

phase "host tests"
cd "$build/host"
ctest --output-on-failure -j"$jobs"
