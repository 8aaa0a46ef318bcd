#!/usr/bin/env bash
# Times a full read and a full write through mv52ctl against the simulated radio: without
# pacing (the program's own cost per round trip) and at 9600 baud (against the wire time of
# the bytes exchanged). Usage: bench/link_bench.sh [PROGRAM_FOLDER]   (default build/dist/ZU_418)
set -euo pipefail
dir="${1:-build/dist/ZU_418}"
work="$(mktemp -d)"
trap 'kill "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT

# Bytes on the wire, requests and replies: handshake 7+3, identification 1+16, end 3+1, and
# per block a read request of 4 with a 22-byte reply, or a 22-byte data frame with a 1-byte
# acknowledgement; 10 bits per byte at 9600 baud.
blocks=1484
read_bytes=$(( 10 + 17 + 4 + blocks * (4 + 22) ))
write_bytes=$(( 10 + 17 + 4 + blocks * (22 + 1) ))
wire() { awk -v b="$1" 'BEGIN { printf "%.2f", b * 10 / 9600 }'; }

"$dir/mv52ctl" new "$work/doc.dat" >/dev/null
seconds() { local start end; start=$(date +%s.%N); "$@" >/dev/null 2>&1; end=$(date +%s.%N); awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }'; }

for mode in unpaced paced; do
  opts=(); [ "$mode" = paced ] && opts=(--baud 9600)
  "$dir/mv52-radio-sim" "${opts[@]}" > "$work/sim.out" 2>/dev/null &
  sim=$!
  for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
  port="$(head -n 1 "$work/sim.out")"
  r=$(seconds "$dir/mv52ctl" read --no-backup --port "$port" "$work/read.dat")
  w=$(seconds "$dir/mv52ctl" write --port "$port" "$work/doc.dat")
  kill "$sim"; wait "$sim" 2>/dev/null || true
  if [ "$mode" = unpaced ]; then
    echo "unpaced: read ${r} s ($(awk -v t="$r" -v n=$((blocks + 3)) 'BEGIN { printf "%.0f", t * 1e6 / n }') us per round trip), write ${w} s"
  else
    echo "9600 baud: read ${r} s against $(wire $read_bytes) s on the wire, write ${w} s against $(wire $write_bytes) s"
  fi
done
