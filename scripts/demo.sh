#!/usr/bin/env bash
# The suite's main job on its own: the sample logos become the bytes that store them in a P-8's NV
# memory (a .prn file) and preview PNGs of what will print; then the logos are downloaded to the
# virtual printer as the upload dialog does it, and printed back from its NV memory to a PNG receipt.
# Usage: bash scripts/demo.sh   (output in build/demo/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${P8_BUILD_DIR:-$top/build}
out=$build/demo

bash "$top/scripts/install-deps.sh" >/dev/null
cmake -S "$top" -B "$build/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/host" -j"$(nproc)" --target logoloft-cli printer-sim >/dev/null
cli=$build/host/tools/logoloft-cli/logoloft-cli
sim=$build/host/printer-sim/printer-sim

rm -rf "$out" && mkdir -p "$out"
samples=("$top/samples/one-colour.bmp" "$top/samples/two-colour.bmp" "$top/samples/gradient.bmp")

# A P-8 is a one-colour thermal printer (model type 1) with 576 dots across 80 mm paper.
"$cli" prn --model-type 1 --width 576 -o "$out/p8-logos.prn" "${samples[@]}"
for bmp in "${samples[@]}"; do
  name=$(basename "$bmp" .bmp)
  "$cli" show "$bmp" --transformed --model-type 1 --width 576 -o "$out/$name-transformed.png"
done

# The virtual printer on a free local port: download the logos (model P-8 from NV.inf), then print
# NV bit images 1 to 3, each under its header line.
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
"$sim" --listen 127.0.0.1:"$port" --state "$out/printer" --model P-8 > "$out/printer-sim.log" 2>&1 &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do grep -q listening "$out/printer-sim.log" && break; sleep 0.1; done
"$cli" download --model P-8 --catalogue "$top/data/NV.inf" --to 127.0.0.1:"$port" "${samples[@]}"
"$cli" print --to 127.0.0.1:"$port" --header --select 1-3
sleep 0.5
kill $sim_pid && wait $sim_pid 2>/dev/null || true
trap - EXIT

echo
echo "NV download bytes:   $out/p8-logos.prn"
echo "previews:            $out/*-transformed.png"
echo "printed receipt(s):  $(ls "$out"/printer/prints/*.png 2>/dev/null | tr '\n' ' ')"
