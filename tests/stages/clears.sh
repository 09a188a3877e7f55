#!/usr/bin/env bash
# usage: clears.sh REPLAY TREE STAGE INPUT
# Plays one stage's solution from a new game in normal mode: it must reach
# the open door without a miss and with time left on the clock. The fourth
# group opens only to a game with 50000 points, so its games start with them.
set -euo pipefail
replay=$1 tree=$2 stage=$3 input=$4

score=()
(( stage > 30 )) && score=(--score 50000)
summary=$("$replay" --root "$tree" --stage "$stage" "${score[@]}" --input "$input" --until clear --summary)
field() { sed -n "s/.*\"$1\":\([^,}]*\).*/\1/p" <<<"$summary"; }

if [[ $(field stageClear) != true ]]; then
  echo "stage $stage: not cleared by $input (last step $(field step), stage $(field stage), time $(field time))"
  exit 1
fi
if [[ $(field noMiss) != true ]]; then
  echo "stage $stage: cleared only after a miss"
  exit 1
fi
if (( $(field time) <= 0 )); then
  echo "stage $stage: cleared with no time left"
  exit 1
fi
echo "stage $stage: cleared at step $(field step) with time $(field time)"
