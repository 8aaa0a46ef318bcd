#!/usr/bin/env bash
# Builds the installation tree at build/dist and starts the desktop program.
# With --demo it first starts the simulated radio and selects it as the port (scripts/demo.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
demo=0
if [[ ${1-} == --demo ]]; then
  demo=1
  shift
fi
scripts/deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMV52_TESTS=OFF -DMV52_BENCH=OFF
cmake --build build -j "$(nproc)"
[ "$demo" -eq 0 ] || exec scripts/demo.sh build/dist "$@"
exec build/dist/ZU_418/mv52 "$@"
