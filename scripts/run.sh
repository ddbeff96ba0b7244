#!/usr/bin/env bash
# Builds the program in release mode and starts it; arguments go to the
# program (an account file to open, for instance).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-release.sh
exec build/release/src/purso "$@"
