#!/usr/bin/env bash
# Baut alles mit AddressSanitizer und UndefinedBehaviorSanitizer in build-san und führt jeden Test
# mit Lecksuche aus. Lecks in Bibliotheken des Systems (Schriften, Grafik, Ton) zählen nicht; sie
# stehen in scripts/lsan-system.supp.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/abhaengigkeiten.sh

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

ordner=build-san
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$ordner" -DCMAKE_BUILD_TYPE=Debug -DVARKU_WERROR=ON -DVARKU_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined"
# die Werkzeuge, die beim Bauen Bilder und Klänge machen, laufen ohne Lecksuche
ASAN_OPTIONS=detect_leaks=0 cmake --build "$ordner" -j"$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan-system.supp:print_suppressions=0"
export LSAN_OPTIONS
ctest --test-dir "$ordner" --output-on-failure -j"$(nproc)"
