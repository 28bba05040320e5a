#!/usr/bin/env bash
# Sets up, builds and starts Dwaalbos, or runs every test, on Debian 12.
#   ./dwaalbos.sh play   install what is missing, build, start the game
#   ./dwaalbos.sh test   install what is missing, build, run every test and the fuzzer, check
#                        the desktop files and the Debian package
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

packages=(cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins libsdl2-dev libsdl2-mixer-dev
          libgme-dev libopenmpt-dev libebur128-dev libfluidsynth-dev timgm6mb-soundfont
          libgtest-dev libgmock-dev libbenchmark-dev clang
          libclang-rt-14-dev fonts-comic-neue fonts-dejavu-core fonts-urw-base35
          fonts-quattrocento
          qt6-translations-l10n libx11-dev libxtst-dev xvfb openbox
          desktop-file-utils appstream dpkg-dev)

install_missing() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j "$(nproc)"
}

fuzz() {
  local out=build/fuzz
  mkdir -p "$out/corpus"
  clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc \
    fuzz/level_readers_fuzz.cpp src/level/*.cpp -o "$out/level_readers_fuzz"
  cp build/game/standaardlevels build/game/levels/*.dwb "$out/corpus/" 2>/dev/null || true
  "$out/level_readers_fuzz" -max_total_time=30 -print_final_stats=0 "$out/corpus" 2>"$out/log" \
    || { tail -n 40 "$out/log"; return 1; }
  echo "Fuzzing the file readers: no crash in 30 s ($(grep -c . "$out/log") log lines)."
}

package() {
  desktop-file-validate data/linux/dwaalbos.desktop
  appstreamcli validate --no-net build/data/linux/*.metainfo.xml
  rm -f build/dwaalbos_*.deb
  cmake --build build --target package >/dev/null
  tools/check-package.sh build/dwaalbos_*.deb
}

case "${1:-}" in
  play)
    install_missing
    build
    exec build/game/dwaalbos
    ;;
  test)
    install_missing
    build
    (cd build && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
      ctest --output-on-failure -j "$(nproc)" --timeout 600)
    fuzz
    package
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
