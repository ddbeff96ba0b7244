#!/usr/bin/env bash
# Builds the program in release mode and starts it; arguments go to the
# program (an account file to open, for instance).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPURSO_BUILD_TESTS=OFF -DPURSO_BUILD_BENCH=OFF
cmake --build build/release -j"$(nproc)"
exec build/release/src/purso "$@"
