#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer,
# runs the whole test suite, then fuzzes the account loader for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPURSO_SANITIZE=ON
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

# The fuzz target needs clang's libFuzzer; it builds the layers without Qt.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPURSO_FUZZ=ON
cmake --build build/fuzz -j"$jobs"
scripts/fuzz.sh build/fuzz "${PURSO_FUZZ_SECONDS:-30}"
