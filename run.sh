#!/usr/bin/env bash
# Installs what is missing, builds the release tree and starts the game from it.
set -euo pipefail
cd "$(dirname "$0")"

tools/deps.sh

BUILD=build/release
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DVEXHOP_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j2

# The game reads Setting.ini and Data/Setting.ini from the folder above bin/.
cd "$BUILD/Vexhop"
exec ./bin/vexhop "$@"
