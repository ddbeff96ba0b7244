#!/usr/bin/env bash
# Measures how long the program takes from its start to the first paint of a
# large account's window on an X display (Xvfb): 27 years, 135,016
# transactions, 15,000 of them in the current year, with hundreds of
# outstanding predactions. Prints each run and the minimum, median and
# maximum in milliseconds.
#   scripts/measure-startup.sh [RUNS]        (default 10)
# Builds the release program and the account generator in build/bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
scripts/setup-debian.sh

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPURSO_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench --target purso make_large_account -j"$(nproc)" >/dev/null
program=build/bench/src/purso

scratch=$(mktemp -d)
xvfb=
pid=
cleanup() {
  [[ -n "$pid" ]] && kill -9 "$pid" 2>/dev/null || true
  [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

account="$scratch/large.pxf"
build/bench/bench/make_large_account "$account"
echo "account: $(stat -c %s "$account") bytes"

# A display of its own, and a private home and runtime folder, so that no
# running program of the user's receives the file.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
mkdir -m 700 "$scratch/home" "$scratch/runtime"

times=()
for run in $(seq 1 "$runs"); do
  log="$scratch/run$run.log"
  start=$(date +%s%N)
  DISPLAY=$display HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/.local/share" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb \
    QT_LOGGING_RULES="purso.shell.info=true" "$program" "$account" >"$log" 2>&1 &
  pid=$!
  until grep -q "account view painted" "$log"; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "the program ended before it showed the account:" >&2
      cat "$log" >&2
      exit 1
    fi
    sleep 0.005
  done
  end=$(date +%s%N)
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
  elapsed=$(((end - start) / 1000000))
  times+=("$elapsed")
  echo "run $run: $elapsed ms"
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
count=${#sorted[@]}
echo "start to account shown: min ${sorted[0]} ms, median ${sorted[$((count / 2))]} ms, max ${sorted[$((count - 1))]} ms"
