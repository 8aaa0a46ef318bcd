#!/usr/bin/env bash
# Builds the installation tree at build/dist and starts the program.
# Until the desktop program exists this starts the command line's help.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMV52_TESTS=OFF -DMV52_BENCH=OFF
cmake --build build -j "$(nproc)"
exec build/dist/ZU_418/mv52ctl --help "$@"
