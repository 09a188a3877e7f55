#!/usr/bin/env bash
# Runs one libFuzzer target for a given time:  tools/fuzz.sh TARGET SECONDS
# TARGET is a name from tests/fuzz/CMakeLists.txt (e.g. textfile or
# fuzz_textfile). Builds it with clang in build-fuzz/, keeps a growing corpus
# in build-fuzz/corpus/TARGET (seeded from tests/fuzz/seeds/TARGET), writes
# crashing inputs to build-fuzz/artifacts/TARGET/ and prints the run count.
# Exits non-zero when the target crashes.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 2 ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 TARGET SECONDS" >&2
  exit 2
fi
name=${1#fuzz_}
seconds=$2

BUILD=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVEXHOP_FUZZ=ON -DVEXHOP_TESTS=ON >/dev/null
cmake --build "$BUILD" -j2 --target "fuzz_$name"

corpus=$BUILD/corpus/$name
artifacts=$BUILD/artifacts/$name
log=$BUILD/fuzz-$name.log
mkdir -p "$corpus" "$artifacts"
dirs=("$corpus")
if [ -d "tests/fuzz/seeds/$name" ]; then dirs+=("tests/fuzz/seeds/$name"); fi

status=0
"$BUILD/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "${dirs[@]}" >"$log" 2>&1 || status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
if [ "$status" -ne 0 ]; then
  tail -n 40 "$log" >&2
  echo "fuzz_$name: CRASH after ${runs:-?} runs (inputs in $artifacts, log $log)" >&2
  exit "$status"
fi
echo "fuzz_$name: ${runs:-?} runs in ${took:-$seconds} seconds, no crash (corpus $corpus, $(ls "$corpus" | wc -l) inputs)"
