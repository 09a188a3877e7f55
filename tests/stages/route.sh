#!/usr/bin/env bash
# usage: route.sh REPLAY TREE REPLAYS_DIR
# Plays the solutions of stages 1 to 30 one after another in one game, in
# normal mode with the clear scene going straight on (save mode NOSAVE), and
# checks that the score after stage 30's time bonus opens stage 31.
set -euo pipefail
replay=$1 tree=$2 replays=$3
needed=50000

# A scratch tree: the shipped one, with its own Data folder in NOSAVE mode.
# bin/ must be a real folder, since the game finds Data from bin/../.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/bin"
ln -s "$replay" "$scratch/bin/"
for entry in "$tree"/*; do
  name=$(basename "$entry")
  [[ $name == bin || $name == Data ]] || ln -s "$entry" "$scratch/$name"
done
mkdir "$scratch/Data"
cp "$tree/Data/Config.ini" "$tree/Data/Setting.ini" "$scratch/Data/"
sed -i '3s/^[0-9-]*/2/' "$scratch/Data/Config.ini"

inputs=()
for n in $(seq 1 30); do inputs+=("$replays/stage$n.inp"); done
"$replay" --root "$scratch" --stage 1 --input "${inputs[@]}" --trace "$scratch/trace.jsonl"

score_at() { sed -n "s/.*\"score\":\([0-9-]*\).*/\1/p" <<<"$1"; }
if grep -q '"miss":true' "$scratch/trace.jsonl"; then
  echo "a miss on the way: $(grep -m1 '"miss":true' "$scratch/trace.jsonl" | cut -c1-80)"
  exit 1
fi
first31=$(grep -m1 '"stage":31,' "$scratch/trace.jsonl" || true)
if [[ -z $first31 ]]; then
  last=$(tail -n 1 "$scratch/trace.jsonl")
  echo "stage 31 was not reached; the game ended at stage $(sed -n 's/.*"stage":\([0-9]*\).*/\1/p' <<<"$last") with score $(score_at "$last")"
  exit 1
fi
score=$(score_at "$first31")
echo "score before stage 31: $score"
(( score >= needed )) || { echo "below the $needed needed for stage 31"; exit 1; }
