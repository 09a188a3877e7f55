#!/usr/bin/env bash
# Builds the release tree with the benchmarks and prints the table of figures
# against their budgets (progress goes to standard error). Arguments go to
# vexhop-bench, e.g.  bench/run.sh --only logic,drawing  or  --repetitions 3.
# The process figures start the game in a real window on a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/deps.sh

BUILD=${BUILD:-build/bench}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DVEXHOP_BENCH=ON -DVEXHOP_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j2 --target vexhop assets data_files vexhop-bench >&2

echo "vexhop-bench on $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, $(uname -sr)"
"$BUILD/bench/vexhop-bench" "$@"
