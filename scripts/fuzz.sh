#!/usr/bin/env bash
# Fuzzes every fuzz target for a while, sharing the time among them:
#   scripts/fuzz.sh BUILD_DIR SECONDS
# BUILD_DIR is a build configured with -DPURSO_FUZZ=ON; SECONDS is the total,
# each target getting an equal share (at least a few seconds). Writes each
# target's seed files to BUILD_DIR/fuzz-seeds/TARGET, keeps the inputs the
# fuzzer finds in BUILD_DIR/fuzz-corpus/TARGET (so a later run starts from
# them) and the input of a failure in BUILD_DIR/fuzz-artifacts/TARGET. Fails
# when a fuzzer finds a crash, a leak, undefined behaviour, a broken check or
# a hang.
set -euo pipefail

if [[ $# -ne 2 ]]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
build=$1
seconds=$2

targets=(account_loader_fuzzer qif_reader_fuzzer csv_reader_fuzzer ofx_reader_fuzzer import_proposal_fuzzer)
make_seeds="$build/fuzz/make_seeds"
for program in "$make_seeds" "${targets[@]/#/$build/fuzz/}"; do
  if [[ ! -x "$program" ]]; then
    echo "$0: $program is missing; build $build with -DPURSO_FUZZ=ON first" >&2
    exit 2
  fi
done

share=$(( seconds / ${#targets[@]} ))
(( share >= 5 )) || share=5

"$make_seeds" "$build/fuzz-seeds"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

for target in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$target"
  artifacts="$build/fuzz-artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  echo "== $target: $share seconds"
  # New inputs go to the first folder only; the seeds are read, never changed.
  # Any finding makes libFuzzer exit non-zero, and so this script.
  "$build/fuzz/$target" \
    -max_total_time="$share" \
    -timeout=25 \
    -print_final_stats=1 \
    -artifact_prefix="$artifacts/" \
    "$corpus" "$build/fuzz-seeds/$target"
done
