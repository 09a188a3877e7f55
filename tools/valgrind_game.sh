#!/usr/bin/env bash
# A whole game, headless, under valgrind's memcheck: the title, a new game
# in normal mode, stage 1 played to its clear by its solution, the clear
# menu's "return to the title", and the title again. Fails on any invalid
# memory access and on memory the game itself leaks.
#   tools/valgrind_game.sh            (uses the release tree run.sh builds)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build/release}
cmake -S . -B "$BUILD" >/dev/null
cmake --build "$BUILD" -j2 --target vexhop-replay assets data_files >/dev/null

# A tree of its own, so the run's save and high-score files stay out of the build.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cp -r "$BUILD/Vexhop/." "$root"
rm -f "$root/Data/HiScore.ini" "$root/Data/Save.ini"
replay="$root/bin/vexhop-replay"

# The title: decide twice (new game, normal); stage 1 is loaded in step 64.
script="$root/game.inp"
printf '2 -\n1 2\n1 -\n1 2\n59 -\n' >"$script"
grep -v '^#' data/replays/stage1.inp >>"$script"
clear=$("$replay" --root "$root" --title --input "$script" --until clear --summary | sed 's/^{"step":\([0-9]*\),.*/\1/')
# The clear menu comes 100 steps later; down three rows to "title", decide.
waited=$(( clear + 110 - $(awk '!/^#/ && NF { n += $1 } END { print n }' "$script") ))
printf '%d -\n1 D\n1 -\n1 D\n1 -\n1 D\n1 -\n1 2\n' "$waited" >>"$script"
steps=$(( clear + 110 + 7 + 80 ))

valgrind --error-exitcode=3 --leak-check=full --errors-for-leak-kinds=definite \
  --show-leak-kinds=definite --track-origins=yes \
  "$replay" --root "$root" --title --input "$script" --steps "$steps" --summary >"$root/summary.json"
grep -q '"scenes":\["CEvent_Title"\]' "$root/summary.json" || {
  echo "the game did not come back to the title:" >&2
  cat "$root/summary.json" >&2
  exit 1
}
echo "valgrind: a whole game of $steps steps, title to stage 1 to the title again, ran clean"
