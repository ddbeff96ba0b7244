#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them: the account file and
# balances, then statement import. Arguments go to both benchmark programs
# (for example --benchmark_repetitions=5). The files are written under
# $TMPDIR (else /tmp), so point TMPDIR at the disk you want to measure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPURSO_BUILD_GUI=OFF -DPURSO_BUILD_TESTS=OFF
cmake --build build/bench --target purso_bench purso_statement_bench -j"$(nproc)"
build/bench/bench/purso_bench "$@"
build/bench/bench/purso_statement_bench "$@"
