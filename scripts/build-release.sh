#!/usr/bin/env bash
# Builds the program as a user builds it: release mode, under build/release/.
# scripts/run.sh starts what this builds, scripts/test.sh builds it the same
# way and starts it once, and scripts/package-deb.sh packs it, so that they
# cannot drift apart. Arguments are further CMake settings (-DNAME=VALUE).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPURSO_BUILD_TESTS=OFF -DPURSO_BUILD_BENCH=OFF "$@"
cmake --build build/release -j"$(nproc)"
