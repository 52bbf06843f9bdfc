#!/usr/bin/env bash
# Installiert, was fehlt, baut VARKU und startet es mit den mitgelieferten Daten.
set -euo pipefail
cd "$(dirname "$0")"

scripts/abhaengigkeiten.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

# Ohne Bildschirm läuft VARKU in einem virtuellen X-Server.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1000x24" build/Varku/Varku "$@"
fi
exec build/Varku/Varku "$@"
