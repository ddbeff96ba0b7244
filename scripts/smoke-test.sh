#!/usr/bin/env bash
# Starts a built program on a small account on the offscreen platform, checks
# that after a few seconds it still runs and shows that account, and ends it:
#   scripts/smoke-test.sh BUILD_DIR
# BUILD_DIR holds src/purso and tools/purso_tool/purso-tool.
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
program="$1/src/purso"
tool="$1/tools/purso_tool/purso-tool"

scratch=$(mktemp -d)
pid=
cleanup() {
  if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then kill -9 "$pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "smoke test: $1" >&2
  sed 's/^/  program: /' "$scratch/program.log" >&2 || true
  exit 1
}

account="$scratch/small household.pxf"
"$tool" new "$account"

# A private home and runtime folder: no settings of the person running the
# tests are read or written, and no program of theirs receives the file.
mkdir -m 700 "$scratch/home" "$scratch/runtime"
HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share" \
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="purso.shell.info=true" \
  "$program" "$account" >"$scratch/program.log" 2>&1 &
pid=$!

for _ in $(seq 1 40); do
  grep -q "main window title: Tolva Account Organizer - \[small household.pxf\]" "$scratch/program.log" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.25
done
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
grep -q "main window title: Tolva Account Organizer - \[small household.pxf\]" "$scratch/program.log" ||
  fail "the program does not show the account it was given"

kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "smoke test: the release program started, showed the account and ran until it was ended"
