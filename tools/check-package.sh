#!/usr/bin/env bash
# Checks the Debian package with Debian's own checker, lintian, which must find no error and
# no warning, then unpacks it into a temporary root, checks that its file types register, and
# solves one of its example levels with its own dwaalbos-tool: the package holds working
# programs and the data beside them.
#   tools/check-package.sh build/dwaalbos_6.0_amd64.deb
set -euo pipefail
(($# == 1)) || { echo "usage: $0 PACKAGE.deb" >&2; exit 2; }
if ! lintian_report=$(lintian --pedantic --fail-on error,warning "$1" 2>&1); then
  echo "$lintian_report" >&2
  echo "check-package: lintian finds errors or warnings" >&2
  exit 1
fi
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$1" "$root"

for file in games/dwaalbos games/dwaalbos-tool share/dwaalbos/standaardlevels \
            share/dwaalbos/standaardlevels2 share/dwaalbos/Opties.dat lib/dwaalbos/irunin.bin \
            share/dwaalbos/help/help.htm share/dwaalbos/help/help_en.htm \
            share/dwaalbos/translations/dwaalbos_en.qm share/dwaalbos/geluid/1.wav \
            share/dwaalbos/verzamelingen/bosrand.dws \
            share/applications/dwaalbos.desktop share/icons/hicolor/48x48/apps/dwaalbos.png \
            share/mime/packages/dwaalbos.xml \
            share/icons/hicolor/48x48/mimetypes/application-x-dwaalbos-level.png \
            share/icons/hicolor/48x48/mimetypes/application-x-dwaalbos-collection.png \
            share/man/man6/dwaalbos.6.gz share/man/man6/dwaalbos-tool.6.gz \
            share/doc/dwaalbos/copyright share/doc/dwaalbos/changelog.gz; do
  [[ -s $root/usr/$file ]] || { echo "check-package: /usr/$file is missing" >&2; exit 1; }
done
if find "$root" -name Niets.wav -o -name 'test*.dwb' | grep -q .; then
  echo "check-package: a player's file was packaged" >&2
  exit 1
fi

# The file types register: a MIME database built from the package's own file knows them, by the
# names the desktop entry gives.
update-mime-database "$root/usr/share/mime" >/dev/null 2>&1  # it warns of a folder outside XDG_DATA_DIRS
for type in application/x-dwaalbos-level:'*.dwb' application/x-dwaalbos-collection:'*.dws'; do
  if ! grep -qxF "50:$type" "$root/usr/share/mime/globs2" ||
     ! grep -q "^MimeType=.*${type%%:*};" "$root/usr/share/applications/dwaalbos.desktop"; then
    echo "check-package: the file type ${type%%:*} is not registered" >&2
    exit 1
  fi
done

level=$(find "$root/usr/share/dwaalbos/levels" -name '*.dwb' | sort | head -n 1)
report=$("$root/usr/games/dwaalbos-tool" solve "$level")
[[ $report == *'"solvable":true'* ]] || { echo "check-package: $report" >&2; exit 1; }
echo "Package: $(basename "$1") passes lintian, unpacks, and its dwaalbos-tool solves $(basename "$level")."
