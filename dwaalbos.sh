#!/usr/bin/env bash
# Sets up, builds and starts Dwaalbos, or runs every test, on Debian 12.
#   ./dwaalbos.sh play   install what is missing, build, start the game
#   ./dwaalbos.sh test   install what is missing, build, run every test, the library tests
#                        again under the sanitizers (the help searches under ThreadSanitizer),
#                        and the fuzzers; check that includes
#                        point down the layers, the code's formatting, the desktop files and
#                        the Debian package
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

# Every program the build and the tests run comes from this list: a bare Debian 12 has none
# of them.
packages=(
  cmake g++ make pkg-config                                  # the build, ctest
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n         # the windows, offscreen tests
  qt6-tools-dev qt6-l10n-tools                               # the English: lupdate, lrelease
  libsdl2-dev libsdl2-mixer-dev libgme-dev libopenmpt-dev    # sound and music
  libfluidsynth-dev timgm6mb-soundfont libebur128-dev        # MIDI, loudness checks
  libgtest-dev libgmock-dev libbenchmark-dev                 # tests and benchmarks
  clang libclang-rt-14-dev                                   # fuzzers, sanitizers
  clang-format                                               # the formatting check
  fonts-comic-neue fonts-dejavu-core fonts-urw-base35 fonts-quattrocento
  libx11-dev libxtst-dev xvfb openbox                        # real-keyboard tests: Xvfb, openbox
  xdg-utils                                                  # opening the help page
  desktop-file-utils appstream shared-mime-info              # desktop-file-validate, appstreamcli,
                                                             # update-mime-database
  dpkg-dev file lintian                                      # cpack's deb, Debian's package checker
)

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

# Every fuzz target in fuzz/ in turn under AddressSanitizer and UndefinedBehaviorSanitizer,
# sharing 30 seconds; each starts from the game's own files of its kind.
fuzz() {
  local out=build/fuzz sanitize=(-fsanitize=address,undefined -fno-sanitize-recover=all)
  mkdir -p "$out/objects"
  for source in src/level/*.cpp; do
    clang++ -std=c++20 -g -O1 -fsanitize=fuzzer-no-link "${sanitize[@]}" -Isrc -c "$source" \
      -o "$out/objects/$(basename "$source" .cpp).o" &
  done
  wait
  local targets=(fuzz/*_fuzz.cpp)
  local seconds=$((30 / ${#targets[@]}))
  for source in "${targets[@]}"; do
    local name corpus
    name=$(basename "$source" .cpp)
    corpus="$out/corpus/$name"
    mkdir -p "$corpus"
    case "$name" in
      level_readers_fuzz) cp build/game/standaardlevels build/game/levels/*.dwb \
        build/game/verzamelingen/*.dws "$corpus/" 2>/dev/null || true ;;
      options_reader_fuzz) cp build/game/Opties.dat "$corpus/" 2>/dev/null || true ;;
      file_round_trip_fuzz) cp build/game/levels/*.dwb build/game/Opties.dat "$corpus/" 2>/dev/null || true ;;
      level_text_fuzz) cp data/levels/*/*.txt "$corpus/" 2>/dev/null || true ;;
    esac
    clang++ -std=c++20 -g -O1 -fsanitize=fuzzer "${sanitize[@]}" -Isrc "$source" \
      "$out"/objects/*.o -o "$out/$name"
    "$out/$name" -max_total_time="$seconds" -print_final_stats=0 "$corpus" 2>"$out/$name.log" \
      || { tail -n 40 "$out/$name.log"; return 1; }
    echo "Fuzzing $name: no fault in $seconds s."
  done
}

# The tests of the libraries without a window (levels, engine, solver) built and run once more
# under AddressSanitizer, leak detection included, and UndefinedBehaviorSanitizer.
sanitized_tests() {
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDWAALBOS_SANITIZE=ON >/dev/null
  cmake --build build-sanitize -j "$(nproc)" --target level_tests engine_tests
  local run=(env ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
             DWAALBOS_GAME_DIR=build-sanitize/game)
  "${run[@]}" build-sanitize/bin/level_tests --gtest_brief=1
  "${run[@]}" build-sanitize/bin/engine_tests --gtest_brief=1
  echo "The library tests pass under AddressSanitizer and UndefinedBehaviorSanitizer."
}

# The help searches that run beside the play window, built and run once more under
# ThreadSanitizer. The window tests stay out: Qt's own locks are not instrumented, so its queued
# calls between threads would be reported as races.
thread_tests() {
  cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-fsanitize=thread \
    -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread >/dev/null
  cmake --build build-tsan -j "$(nproc)" --target engine_tests
  env TSAN_OPTIONS=halt_on_error=1 DWAALBOS_GAME_DIR=build-tsan/game \
    build-tsan/bin/engine_tests --gtest_brief=1 --gtest_filter='Help.*'
  echo "The help searches pass under ThreadSanitizer."
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
    tools/check-layers.sh
    tools/check-format.sh
    build
    (cd build && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
      ctest --output-on-failure -j "$(nproc)" --timeout 600)
    sanitized_tests
    thread_tests
    fuzz
    package
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
