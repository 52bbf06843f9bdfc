#!/usr/bin/env bash
# Prüft erzeuge_sprache.sh: Texte mit Anführungszeichen kommen unverändert bei espeak-ng an,
# alte Aufnahmen verschwinden, Fehlschläge von espeak-ng beenden das Skript mit Fehler.
#   erzeuge_sprache_test.sh <erzeuge_sprache.sh>
set -euo pipefail
skript=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
scheitert() {
    echo "FEHLER: $*" >&2
    fehler=1
}

# Texte, die eine Shell falsch zerlegen würde
texte=(
    "Peter's \"Haus\""
    'der  Hund; echo $HOME `date` \n'
    '-v en hallo'
    "die Maus * ?"
)
: >"$tmp/liste.txt"
for i in "${!texte[@]}"; do
    printf 'Text%d\t%s\n' "$i" "${texte[$i]}" >>"$tmp/liste.txt"
done
mkdir -p "$tmp/aus"
touch "$tmp/aus/Veraltet.WAV" "$tmp/aus/notiz.txt"

bash "$skript" "$tmp/liste.txt" "$tmp/aus" >/dev/null || scheitert "Lauf mit gültiger Liste"
for i in "${!texte[@]}"; do
    wav="$tmp/aus/Text$i.WAV"
    [[ -s $wav ]] || { scheitert "keine Aufnahme für ${texte[$i]}"; continue; }
    # gleiche Bytes wie ein direkter Aufruf heißt: der Text kam genau so an
    espeak-ng -v de -s 140 -w "$tmp/direkt.WAV" -- "${texte[$i]}" 2>/dev/null
    cmp -s "$wav" "$tmp/direkt.WAV" || scheitert "Text verändert: ${texte[$i]}"
done
[[ ! -e $tmp/aus/Veraltet.WAV ]] || scheitert "alte Aufnahme nicht gelöscht"
[[ -e $tmp/aus/notiz.txt ]] || scheitert "fremde Datei gelöscht"

# Ein espeak-ng, das scheitert, und eines, das nichts schreibt
mkdir -p "$tmp/bin"
printf '#!/bin/sh\necho "ALSA lib: kein Gerät" >&2\nexit 1\n' >"$tmp/bin/espeak-ng"
chmod +x "$tmp/bin/espeak-ng"
if PATH="$tmp/bin:$PATH" bash "$skript" "$tmp/liste.txt" "$tmp/aus2" 2>/dev/null; then
    scheitert "Fehlschlag von espeak-ng nicht erkannt"
fi
printf '#!/bin/sh\nexit 0\n' >"$tmp/bin/espeak-ng"
if PATH="$tmp/bin:$PATH" bash "$skript" "$tmp/liste.txt" "$tmp/aus3" 2>/dev/null; then
    scheitert "fehlende Aufnahme nicht erkannt"
fi

# Kaputte Listen
printf 'ohneTabulator\n' >"$tmp/kaputt1.txt"
printf '../weg\tText\n' >"$tmp/kaputt2.txt"
printf 'A\teins\nA\tzwei\n' >"$tmp/kaputt3.txt"
for k in kaputt1 kaputt2 kaputt3; do
    if bash "$skript" "$tmp/$k.txt" "$tmp/aus4" 2>/dev/null; then
        scheitert "kaputte Liste $k angenommen"
    fi
done
if bash "$skript" "$tmp/fehlt.txt" "$tmp/aus5" 2>/dev/null; then
    scheitert "fehlende Liste angenommen"
fi

exit $fehler
