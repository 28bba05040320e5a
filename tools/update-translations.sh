#!/usr/bin/env bash
# Brings translations/dwaalbos_en.ts up to date with the Dutch texts marked in the sources
# (DWAALBOS_TR where a text is defined, `translated` where it is looked up at once) and the
# standard levels' names and comments; texts nobody shows any more are dropped.
#   tools/update-translations.sh           update the file, then translate what it marks unfinished
#   tools/update-translations.sh --check   change nothing; fail while a text has no finished
#                                          translation or the file holds one nobody shows
# LUPDATE names the program when it is not Qt 6's lupdate on the path.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
lupdate=${LUPDATE:-$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)}
ts=translations/dwaalbos_en.ts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The standard levels' texts, each as the game holds it: the comment's lines joined by CR LF.
level_texts() {
  awk '
    function trim(s) { sub(/^[ \r]+/, "", s); sub(/[ \r]+$/, "", s); return s }
    function quoted(s) { gsub(/\\/, "\\\\", s); gsub(/"/, "\\\"", s); return "\"" s "\"" }
    function flush() {
      if (name != "") print "DWAALBOS_TR(\"standaardlevels\", " quoted(name) ")"
      if (comment != "") print "DWAALBOS_TR(\"standaardlevels\", " quoted(comment) ")"
      name = ""; comment = ""
    }
    FNR == 1 { flush() }
    {
      colon = index($0, ":")
      if (colon == 0) next
      key = trim(substr($0, 1, colon - 1)); value = trim(substr($0, colon + 1))
      if (key == "naam") name = value
      else if (key == "commentaar") comment = comment == "" ? value : comment "\\r\\n" value
    }
    END { flush() }
  ' data/levels/set1/*.txt data/levels/set2/*.txt
}

level_texts >"$work/standard_levels.cpp"
# lupdate over the sources and the levels' texts into the file $1, with options after it.
extract() {
  local file=$1; shift
  "$lupdate" -silent -locations none -no-ui-lines "$@" \
    -tr-function-alias QT_TRANSLATE_NOOP+=DWAALBOS_TR,QT_TRANSLATE_NOOP+=translated \
    src "$work/standard_levels.cpp" -ts "$file"
}

if [[ ${1:-} == --check ]]; then
  cp "$ts" "$work/check.ts"
  extract "$work/check.ts"
  open=$(grep -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$work/check.ts" | grep '<source>' || true)
  if [[ -n $open ]] || ! cmp -s "$ts" "$work/check.ts"; then
    echo "$open" >&2
    echo "update-translations: $ts is not up to date with the marked texts;" \
         "run tools/update-translations.sh and translate what it marks unfinished" >&2
    exit 1
  fi
  echo "Every one of the $(grep -c '<source>' "$ts") marked texts has its English translation."
  exit 0
fi

extract "$ts" -no-obsolete
echo "Unfinished: $(grep -c 'type="unfinished"' "$ts" || true)"
