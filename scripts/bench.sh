#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them; arguments go to the
# benchmark program (for example --benchmark_filter=Balances or
# --benchmark_repetitions=5). The account file is written under $TMPDIR
# (else /tmp), so point TMPDIR at the disk you want to measure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPURSO_BUILD_GUI=OFF -DPURSO_BUILD_TESTS=OFF
cmake --build build/bench --target purso_bench -j"$(nproc)"
exec build/bench/bench/purso_bench "$@"
