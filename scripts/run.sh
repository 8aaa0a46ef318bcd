#!/usr/bin/env bash
# Builds the installation tree at build/dist and starts the program.
# Until the desktop program exists this starts the command line's help.
# With --demo it runs the program against the simulated radio instead (scripts/demo.sh).
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
exec build/dist/ZU_418/mv52ctl --help "$@"
