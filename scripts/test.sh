#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer,
# runs the whole test suite, builds the program as scripts/run.sh builds it,
# starts it once and makes its Debian package, then fuzzes the account loader
# and the statement readers and import for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPURSO_SANITIZE=ON -DPURSO_WARNINGS_AS_ERRORS=ON
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

# The user's build, exactly as scripts/run.sh makes it; a warning there fails
# this command although it would not stop a user's build.
mkdir -p build
scripts/build-release.sh 2>&1 | tee build/release-build.log
if grep -q "warning:" build/release-build.log; then
  echo "The release build warns; see build/release-build.log" >&2
  exit 1
fi
scripts/smoke-test.sh build/release
# The package of that build, with its contents and its metainfo checked.
scripts/package-deb.sh

# The fuzz targets need clang's libFuzzer; it builds the layers without Qt.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPURSO_FUZZ=ON \
  -DPURSO_WARNINGS_AS_ERRORS=ON
cmake --build build/fuzz -j"$jobs"
scripts/fuzz.sh build/fuzz "${PURSO_FUZZ_SECONDS:-60}"
