#!/usr/bin/env bash
# Fails when a source file includes a header of an area at its own level or above it: the
# areas form layers, and every include points down. Areas on one level know nothing of each
# other.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/../src"

declare -A level=(
  [level]=0
  [platform]=1 [audio]=1 [play/engine]=1
  [play/solver]=2 [play/headless]=2 [play/port]=2
  [play/generator]=3
  [play/window]=4
  [editor]=5
  [frontend]=6
)

area_of() {
  local path=$1
  for area in play/engine play/solver play/generator play/headless play/port play/window level platform audio editor frontend; do
    [[ $path == "$area"/* ]] && { echo "$area"; return; }
  done
  echo "?"
}

faults=0
while IFS= read -r file; do
  own=$(area_of "$file")
  if [[ $own == "?" ]]; then echo "$file: in no known area"; faults=1; continue; fi
  while IFS= read -r header; do
    other=$(area_of "$header")
    [[ $other == "$own" ]] && continue
    if [[ $other == "?" ]]; then
      [[ -e $(dirname "$file")/$header ]] && continue   # a header beside the file
      echo "$file: includes $header, which is in no known area"; faults=1
    elif (( ${level[$other]} >= ${level[$own]} )); then
      echo "$file ($own) includes $header ($other), which is not below it"; faults=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's#^\./##' | sort)

# Concepts that leak: the player's sheet rows belong with the painter, the drawing options with
# the window, and the editor reaches the play window only through the windows' port.
leak() {
  local pattern=$1 what=$2; shift 2
  if grep -nE "$pattern" "$@"; then echo "  ^ $what"; faults=1; fi
}
leak 'facingRow|sheet row|[Pp]ixel rows?' "a level header names the picture sheet's rows" level/*.h
leak 'MetBitBlt|bitBlt|[Bb]it[Bb]lt' "the engine names a drawing option" play/engine/*.h play/engine/*.cpp
leak '#include "play/window/' "the editor includes the play window" editor/*.h editor/*.cpp

exit $faults
