#!/usr/bin/env bash
# Times a full read and a full write through mv52ctl against the simulated radio.
#
# Turnaround, side by side: the simulator times, for every round trip, how long the other side
# takes from the last byte of a reply handed to the line to the first byte of its next
# request (pseudo-terminal latency both ways included). It does so for mv52ctl and for a
# minimal blocking serial loop (bench/minimal_loop.py) in the same run, so the two figures
# differ only by what each program does between a reply and its next request. The loop runs
# twice: bare, and clearing the line's buffers before each request as the program must.
#
# Then, as before: the whole transfer without pacing (the program's own cost per round trip)
# and at 9600 baud (against the wire time of the bytes exchanged).
#
# Usage: bench/link_bench.sh [PROGRAM_FOLDER]   (default build/dist/ZU_418)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
dir="${1:-build/dist/ZU_418}"
work="$(mktemp -d)"
sim=""
trap '[ -n "$sim" ] && kill "$sim" 2>/dev/null; rm -rf "$work"' EXIT

# Bytes on the wire, requests and replies: handshake 7+3, identification 1+16, end 3+1, and
# per block a read request of 4 with a 22-byte reply, or a 22-byte data frame with a 1-byte
# acknowledgement; 10 bits per byte at 9600 baud.
blocks=1484
read_bytes=$(( 10 + 17 + 4 + blocks * (4 + 22) ))
write_bytes=$(( 10 + 17 + 4 + blocks * (22 + 1) ))
wire() { awk -v b="$1" 'BEGIN { printf "%.2f", b * 10 / 9600 }'; }

"$dir/mv52ctl" new "$work/doc.dat" >/dev/null
seconds() { local start end; start=$(date +%s.%N); "$@" >/dev/null 2>&1; end=$(date +%s.%N); awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }'; }

start_sim() {
  "$dir/mv52-radio-sim" "$@" > "$work/sim.out" 2> "$work/sim.err" &
  sim=$!
  for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
  port="$(head -n 1 "$work/sim.out")"
}
stop_sim() { kill "$sim"; wait "$sim" 2>/dev/null || true; sim=""; }
# The simulator's report: "median M us, mean A us, ..." of "turnaround: N round trips, ...".
turnaround() { sed -n 's/.*turnaround: \([0-9]*\) round trips, /\1 round trips: /p' "$work/sim.err"; }

echo "turnaround per round trip (simulator's view, one run):"
for op in read write; do
  start_sim --turnaround
  if [ "$op" = read ]; then "$dir/mv52ctl" read --no-backup --port "$port" "$work/read.dat" >/dev/null 2>&1
  else "$dir/mv52ctl" write --port "$port" "$work/doc.dat" >/dev/null 2>&1; fi
  stop_sim
  program="$(turnaround)"
  start_sim --turnaround
  python3 "$here/minimal_loop.py" "$port" "$op"
  stop_sim
  loop="$(turnaround)"
  start_sim --turnaround
  python3 "$here/minimal_loop.py" "$port" "$op" --clear
  stop_sim
  echo "  $op  mv52ctl:                    $program"
  echo "  $op  minimal loop:               $loop"
  echo "  $op  minimal loop, buffers clear: $(turnaround)"
done

for mode in unpaced paced; do
  opts=(); [ "$mode" = paced ] && opts=(--baud 9600)
  start_sim "${opts[@]}"
  r=$(seconds "$dir/mv52ctl" read --no-backup --port "$port" "$work/read.dat")
  w=$(seconds "$dir/mv52ctl" write --port "$port" "$work/doc.dat")
  stop_sim
  if [ "$mode" = unpaced ]; then
    echo "unpaced: read ${r} s ($(awk -v t="$r" -v n=$((blocks + 3)) 'BEGIN { printf "%.0f", t * 1e6 / n }') us per round trip), write ${w} s"
  else
    echo "9600 baud: read ${r} s against $(wire $read_bytes) s on the wire, write ${w} s against $(wire $write_bytes) s"
  fi
done
