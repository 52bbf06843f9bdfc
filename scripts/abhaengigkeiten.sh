#!/usr/bin/env bash
# Installiert die Debian-Pakete, die zum Bauen, Starten und Testen gebraucht werden,
# aber nur die fehlenden: ein zweiter Lauf ist schnell. openbox und pulseaudio brauchen die
# Messskripte in bench/ (mit Fensterverwaltung, mit stummem Tonausgang).
set -euo pipefail

pakete=(
    cmake make g++ pkg-config libsqlite3-dev
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libqt6sql6-sqlite libgl-dev
    libespeak-ng-dev espeak-ng-data espeak-ng
    gstreamer1.0-plugins-good sox
    libxcb1-dev xvfb xauth libx11-dev libxcb-shm0-dev libxdamage-dev libxtst-dev xdotool
    fonts-liberation2 fonts-sil-andika
    libgtest-dev libbenchmark-dev
    clang
    poppler-utils desktop-file-utils
    openbox pulseaudio pulseaudio-utils
)

fehlend=()
for p in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        fehlend+=("$p")
    fi
done

if [ ${#fehlend[@]} -eq 0 ]; then
    exit 0
fi

echo "Installiere fehlende Pakete: ${fehlend[*]}"
als_root=()
if [ "$(id -u)" -ne 0 ]; then
    als_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${als_root[@]}" apt-get update -q
"${als_root[@]}" apt-get install -y -q --no-install-recommends "${fehlend[@]}"
