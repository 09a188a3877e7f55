#!/usr/bin/env bash
# Builds the assets and writes a contact sheet of every generated picture and
# model, rendered off screen through the game's own GL device and model code.
#   tools/contact_sheet.sh [OUT.png]    (default: build/release/contact-sheet.png)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build/release}  # shares the tree ./run.sh builds
OUT=${1:-$BUILD/contact-sheet.png}
cmake -S . -B "$BUILD" >/dev/null
cmake --build "$BUILD" -j2 --target assets vexhop-contactsheet
"$BUILD/tools/vexhop-contactsheet" "$BUILD/Vexhop" "$OUT"
echo "contact sheet: $OUT"
