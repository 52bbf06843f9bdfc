#!/usr/bin/env bash
# Baut die libFuzzer-Ziele mit clang und lässt jedes laufen.
#   scripts/fuzz.sh --kurz          jedes Ziel kurz mit seinen Startdaten (für die Tests)
#   scripts/fuzz.sh --sekunden N    jedes Ziel N Sekunden lang
set -euo pipefail
cd "$(dirname "$0")/.."

modus=kurz
sekunden=60
case "${1:-}" in
    --kurz|"") modus=kurz ;;
    --sekunden) modus=lang; sekunden="${2:?Sekunden fehlen}" ;;
    *) echo "Aufruf: $0 [--kurz | --sekunden N]" >&2; exit 2 ;;
esac

ordner=build-fuzz
cmake -S . -B "$ordner" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fsanitize=fuzzer-no-link -fno-sanitize-recover=undefined" \
    -DVARKU_FUZZ=ON -DVARKU_TESTS=OFF -DVARKU_BENCH=OFF -DVARKU_DATEN=OFF >/dev/null
cmake --build "$ordner" -j"$(nproc)" --target $(ls fuzz/fuzz_*.cpp | xargs -n1 basename | sed 's/\.cpp$//')

export QT_QPA_PLATFORM=offscreen
# Lange Eingaben bis 256 kB; eine, die länger als 10 s braucht, ist ein Fund wie ein Absturz.
# Funde landen in build-fuzz/funde, nie im Quellordner; ein Ziel, das etwas findet, hält die
# anderen nicht auf, am Ende gilt das Ganze als gescheitert.
funde="$ordner/funde"
mkdir -p "$funde"
grenzen=(-max_len=262144 -timeout=10)
gescheitert=()
for ziel in "$ordner"/fuzz-ziele/fuzz_*; do
    [ -f "$ziel" ] && [ -x "$ziel" ] || continue
    name=$(basename "$ziel")
    saat="fuzz/saat/${name#fuzz_}"
    saat="${saat%_lesen}"
    saat="${saat%_schreiben}"
    korpus="$ordner/korpus-${name#fuzz_}"
    mkdir -p "$korpus"
    [ -d "$saat" ] || saat=""
    if [ "$modus" = kurz ]; then
        lauf=(-runs=3000)
    else
        lauf=(-max_total_time="$sekunden")
    fi
    if "$ziel" "${lauf[@]}" "${grenzen[@]}" -artifact_prefix="$funde/$name-" \
        "$korpus" $saat >"$korpus.log" 2>&1; then
        # die Zahlen, die ein Mensch braucht: Läufe, Abdeckung, Eingaben je Sekunde
        zahlen=$(grep -E '^#[0-9]+' "$korpus.log" | tail -n 1 |
            sed -E 's/^#([0-9]+)[^c]*cov: ([0-9]+) ft: ([0-9]+).*exec\/s: ([0-9]+).*/\1 Läufe, Abdeckung \2 (Merkmale \3), \4 je Sekunde/')
        echo "$name: geprüft, ${zahlen:-keine Zahlen}"
    else
        tail -n 30 "$korpus.log" >&2
        echo "Fuzz-Ziel $name hat etwas gefunden (Funde in $funde, Ausgabe in $korpus.log)" >&2
        gescheitert+=("$name")
    fi
done
if [ ${#gescheitert[@]} -gt 0 ]; then
    echo "gescheitert: ${gescheitert[*]}" >&2
    exit 1
fi
