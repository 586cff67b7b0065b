#!/usr/bin/env bash
# Runs the Windows build of the conversion commands under Wine and checks that it writes the same
# .prn bytes as the host build. This machine's kernel may not run 32-bit programs, so the check
# runs a 64-bit build of the same sources when the i686 one cannot start.
# Usage: bash scripts/wine-check.sh BUILD_DIR   (BUILD_DIR holds host/ and win32/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$1
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
# Started without arguments the check prints its usage and exits with 2: then Wine can run it.
starts() {
  local rc=0
  timeout 300 "$@" >/dev/null 2>&1 || rc=$?
  [ $rc -eq 2 ]
}
check=$build/win32/tools/win32-check/logoloft-check.exe
loader=wine
if ! starts wine "$check"; then
  echo "the i686 build cannot start under Wine here (no 32-bit support in this kernel);"
  echo "checking a 64-bit build of the same sources instead"
  cmake -S "$top" -B "$build/win64" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-x86_64-posix.cmake" >/dev/null
  cmake --build "$build/win64" --target logoloft-check -j"$(nproc)"
  check=$build/win64/tools/win32-check/logoloft-check.exe
  loader=/usr/lib/wine/wine64
fi
out=$build/wine-check
rm -rf "$out" && mkdir -p "$out"
cp "$top"/samples/*.bmp "$out/"
cd "$out"
failed=0
for type in 0 1 2 4; do
  "$build/host/tools/logoloft-cli/logoloft-cli" prn --model-type $type --width 512 \
    -o host-$type.prn one-colour.bmp two-colour.bmp gradient.bmp >/dev/null
  timeout 300 "$loader" "$check" prn --model-type $type --width 512 \
    -o win-$type.prn one-colour.bmp two-colour.bmp gradient.bmp >/dev/null
  if cmp -s host-$type.prn win-$type.prn; then
    echo "model type $type: Windows and host builds wrote the same $(stat -c %s host-$type.prn) bytes"
  else
    echo "model type $type: the Windows build's .prn differs from the host build's"
    failed=1
  fi
done
exit $failed
