#!/usr/bin/env bash
# Builds everything and runs every test: the fuzz targets (a short run each, clang), then the
# unit and integration tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
jobs="$(nproc)"

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DMV52_FUZZ=ON -DMV52_TESTS=OFF -DMV52_BENCH=OFF -DMV52_WERROR=ON
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMV52_SANITIZE=ON -DMV52_WERROR=ON
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
