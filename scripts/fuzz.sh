#!/usr/bin/env bash
# Fuzzes the account loader for a while:
#   scripts/fuzz.sh BUILD_DIR SECONDS
# BUILD_DIR is a build configured with -DPURSO_FUZZ=ON. Writes the seed files
# to BUILD_DIR/fuzz-seeds, keeps the inputs the fuzzer finds in
# BUILD_DIR/fuzz-corpus (so a later run starts from them) and the input of a
# failure in BUILD_DIR/fuzz-artifacts. Fails when the fuzzer finds a crash, a
# leak, undefined behaviour, a broken check or a hang.
set -euo pipefail

if [[ $# -ne 2 ]]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
build=$1
seconds=$2

fuzzer="$build/fuzz/account_loader_fuzzer"
make_seeds="$build/fuzz/make_seeds"
for program in "$fuzzer" "$make_seeds"; do
  if [[ ! -x "$program" ]]; then
    echo "$0: $program is missing; build $build with -DPURSO_FUZZ=ON first" >&2
    exit 2
  fi
done

seeds="$build/fuzz-seeds"
corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-artifacts"
mkdir -p "$seeds" "$corpus" "$artifacts"
"$make_seeds" "$seeds"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# New inputs go to the first folder only; the seeds are read, never changed.
# Any finding makes libFuzzer exit non-zero, and so this script.
"$fuzzer" \
  -max_total_time="$seconds" \
  -timeout=25 \
  -print_final_stats=1 \
  -artifact_prefix="$artifacts/" \
  "$corpus" "$seeds"
