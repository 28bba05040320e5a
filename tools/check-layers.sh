#!/usr/bin/env bash
# Fails when a source file includes a header of an area at its own level or above it: the
# areas form layers, and every include points down. Areas on one level know nothing of each
# other.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/../src"

declare -A level=(
  [level]=0
  [platform]=1 [audio]=1 [play/rules]=1
  [play/solver]=2
  [play/session]=3 [play/generator]=3
  [play/headless]=4 [play/port]=4
  [play/window]=5
  [editor]=6
  [frontend]=7
)

area_of() {
  local path=$1
  for area in play/rules play/session play/solver play/generator play/headless play/port play/window level platform audio editor frontend; do
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
leak 'MetBitBlt|bitBlt|[Bb]it[Bb]lt' "the rules or the session name a drawing option" \
  play/rules/* play/session/*
# The window asks the session for help and never searches itself; the session hands out what it
# showed and never calls a front end back.
leak '#include "play/solver/' "the play window includes a solver header" play/window/*
leak '\bHost\b|#include <Q' "the session calls back into a front end" play/session/*
leak '#include "play/window/' "the editor includes the play window" editor/*.h editor/*.cpp

exit $faults
