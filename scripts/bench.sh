#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them: saving, loading and the
# balance arrays of a large account (purso_bench), Undo and Redo on a year of
# 150,000 transactions (purso_undo_bench), lists and dialogs through
# the real Qt adapter on the offscreen platform (purso_list_bench), then
# statement import (purso_statement_bench). Arguments go to every program
# (for example --benchmark_filter=Fill or --benchmark_repetitions=5). The
# files are written under $TMPDIR (else /tmp), so point TMPDIR at the disk you
# want to measure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPURSO_BUILD_TESTS=OFF
cmake --build build/bench --target purso_bench purso_undo_bench purso_list_bench purso_statement_bench make_large_account -j"$(nproc)"
build/bench/bench/purso_bench "$@"
build/bench/bench/purso_undo_bench "$@"
build/bench/bench/purso_list_bench "$@"
build/bench/bench/purso_statement_bench "$@"
