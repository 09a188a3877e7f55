#!/usr/bin/env bash
# Counts the instructions one drawn frame costs, the software rasteriser
# included (it runs on the drawing thread here), under callgrind. On a shared
# machine the clock wanders by a third from hour to hour; the count repeats
# to within a few parts in ten thousand, so it is what shows whether a change
# to the drawing pays. Takes several minutes.
#   bench/count_instructions.sh [draw/stage|draw/title|draw/option|draw/stage-quad-by-quad]
set -euo pipefail
cd "$(dirname "$0")/.."
NAME=${1:-draw/stage}
FRAMES=60  # vexhop-bench draws this many frames per run

tools/deps.sh
# Valgrind is only this tool's need.
if ! command -v valgrind >/dev/null; then
  apt-get update -qq && apt-get install -y -qq valgrind >/dev/null
fi
BUILD=${BUILD:-build/bench}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DVEXHOP_BENCH=ON -DVEXHOP_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j2 --target vexhop assets data_files vexhop-bench >&2

counts=$(mktemp)
trap 'rm -f "$counts"' EXIT
LP_NUM_THREADS=0 valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*RenderFrames*' \
  --callgrind-out-file="$counts" "$BUILD/bench/vexhop-bench" --only drawing --repetitions 1 \
  --benchmark_filter="^$NAME/" >&2
total=$(callgrind_annotate "$counts" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
if ! [[ $total =~ ^[0-9]+$ ]] || ((total == 0)); then
  echo "no frames of $NAME were counted" >&2
  exit 1
fi
echo "$NAME: $((total / FRAMES)) instructions per frame"
