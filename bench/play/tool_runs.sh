#!/bin/bash
# Records what dwaalbos-tool answers on every standard level, four ways each: the solve of the
# level, its shortest solution played, the same answering every question Yes, and a fixed
# pseudo-random key string with undo and redo letters. Run it with an old and a new game
# folder and compare the two output folders with `diff -r`: a change to the engine, the
# solver or the tool must leave them byte-identical. Each run plays in a fresh copy of the
# game's data, so progress and best results written by one run never reach the next and the
# game folder itself is left alone.
#   bench/play/tool_runs.sh GAME_DIR OUT_DIR
set -euo pipefail

game=$(cd "$1" && pwd)
out=$2
tool="$game/dwaalbos-tool"
mkdir -p "$out"
# A fixed place: paths in the players' messages must read the same on every run.
scratch=/tmp/dwaalbos-tool-runs
rm -rf "$scratch"
mkdir -p "$scratch"
trap 'rm -rf "$scratch"' EXIT
levels="$scratch/levels"
mkdir "$levels"

u16() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }

# A set file is records of 338 board bytes and three length-prefixed texts; record 0 is no
# level. Writes records 1.. of the set as level files numbered from `first`.
extract() {
  local set=$1 first=$2 count=$3 offset=0 record start
  for ((record = 0; record <= count; ++record)); do
    start=$offset
    offset=$((offset + 338))
    for _ in 1 2 3; do offset=$((offset + 2 + $(u16 "$set" "$offset"))); done
    if ((record > 0)); then
      dd if="$set" of="$levels/$((first + record - 1)).dwb" bs=1 skip="$start" \
        count=$((offset - start)) status=none
    fi
  done
}

# The same keys on every run: a linear congruential generator seeded by the level number.
random_keys() {
  local x=$((1000 + $1)) letters="LRUDLRUDLRUDSZY" keys=""
  for ((i = 0; i < 300; ++i)); do
    x=$(((x * 1103515245 + 12345) % 2147483648))
    keys+=${letters:$(((x >> 16) % ${#letters})):1}
  done
  echo "$keys"
}

# One run in a fresh game folder: its output, then its exit code on the last line.
run() {
  local name=$1
  shift
  local rc=0
  rm -rf "$scratch/game"
  mkdir -p "$scratch/game/geluid"
  cp "$game/standaardlevels" "$game/standaardlevels2" "$game/Opties.dat" "$scratch/game/"
  "$tool" "$@" >"$out/$name" 2>&1 || rc=$?
  echo "exit $rc" >>"$out/$name"
}

extract "$game/standaardlevels" 1 23
extract "$game/standaardlevels2" 24 20
for n in $(seq 1 43); do
  run "$n-solve" solve "$levels/$n.dwb"
  moves=$(sed -n 's/.*"moves":"\([LRUDS]*\)".*/\1/p' "$out/$n-solve")
  run "$n-solution" play --game "$scratch/game" --level "$n" "$moves"
  run "$n-solution-yes" play --game "$scratch/game" --level "$n" "$moves" --answer yes
  run "$n-random" play --game "$scratch/game" --level "$n" "$(random_keys "$n")"
done
