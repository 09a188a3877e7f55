#!/usr/bin/env bash
# Installs what is missing, builds the sanitizer tree and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")"

tools/deps.sh

BUILD=build/test
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVEXHOP_SANITIZE=ON -DVEXHOP_WERROR=ON -DVEXHOP_TESTS=ON >/dev/null
cmake --build "$BUILD" -j2

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$BUILD"
ctest -j2 --output-on-failure --timeout 600
