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
grenzen=(-max_len=262144 -timeout=10)
for ziel in "$ordner"/fuzz-ziele/fuzz_*; do
    [ -f "$ziel" ] && [ -x "$ziel" ] || continue
    name=$(basename "$ziel")
    saat="fuzz/saat/${name#fuzz_}"
    saat="${saat%_lesen}"
    saat="${saat%_schreiben}"
    korpus="$ordner/korpus-${name#fuzz_}"
    mkdir -p "$korpus"
    if [ "$modus" = kurz ]; then
        "$ziel" -runs=3000 "${grenzen[@]}" "$korpus" "$saat" >/dev/null 2>"$korpus.log" ||
            { cat "$korpus.log" >&2; echo "Fuzz-Ziel $name gescheitert" >&2; exit 1; }
        echo "$name: kurz geprüft"
    else
        "$ziel" -max_total_time="$sekunden" "${grenzen[@]}" "$korpus" "$saat" 2>&1 | tail -n 3
    fi
done
