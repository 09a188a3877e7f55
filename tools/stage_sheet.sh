#!/usr/bin/env bash
# Renders every stage at its first playable step (the Ready banner gone) and
# lays the forty pictures out in one contact sheet, for review by eye. Not
# part of the test suite.
#   tools/stage_sheet.sh [OUT.png]    (default: build/release/stage-sheet.png)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build/release}  # shares the tree ./run.sh builds
OUT=${1:-$BUILD/stage-sheet.png}
FIRST_PLAYABLE_STEP=152

# ImageMagick's montage lays the sheet out; it is only this review tool's need.
if ! command -v montage >/dev/null; then
  apt-get update -qq && apt-get install -y -qq imagemagick >/dev/null
fi
cmake -S . -B "$BUILD" >/dev/null
cmake --build "$BUILD" -j2 --target vexhop-replay assets data_files

tree=$BUILD/Vexhop
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
for n in $(seq 1 40); do
  score=()
  (( n > 30 )) && score=(--score 50000)  # stage 31 opens only to 50000 points
  "$tree/bin/vexhop-replay" --root "$tree" --stage "$n" "${score[@]}" --steps "$FIRST_PLAYABLE_STEP" \
    --shot "$FIRST_PLAYABLE_STEP:$shots/stage$n.png" >/dev/null
done
pictures=()
for n in $(seq 1 40); do pictures+=("$shots/stage$n.png"); done
montage -label '%t' "${pictures[@]}" -tile 5x8 -geometry 320x240+6+6 -pointsize 16 "$OUT"
echo "stage sheet: $OUT"
