#!/usr/bin/env bash
# Installiert, was fehlt, baut alles mit Warnungen als Fehlern und führt alle Tests kopflos aus.
set -euo pipefail
cd "$(dirname "$0")"

scripts/abhaengigkeiten.sh

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARKU_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

# Die Fuzz-Ziele bauen und jedes kurz mit seinen Startdaten laufen lassen
scripts/fuzz.sh --kurz
