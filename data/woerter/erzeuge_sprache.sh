#!/usr/bin/env bash
# Spricht jedes Wort der Sprachliste mit espeak-ng in eine WAV-Datei:
#   erzeuge_sprache.sh <sprachliste> <ordner>
# Die Liste hat je Zeile "WaveDat<TAB>Text". WAV-Dateien im Ordner, die nicht in der Liste
# stehen, werden gelöscht.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "Aufruf: erzeuge_sprache.sh <sprachliste> <ordner>" >&2
    exit 2
fi
liste=$1
ordner=$2
if [[ ! -r $liste ]]; then
    echo "erzeuge_sprache.sh: Liste nicht lesbar: $liste" >&2
    exit 1
fi
command -v espeak-ng >/dev/null || {
    echo "erzeuge_sprache.sh: espeak-ng fehlt" >&2
    exit 1
}
mkdir -p "$ordner"

# Ein Wort: $1 Ordner, $2 Name ohne Endung, $3 Text. Ohne Soundkarte meldet ALSA Warnungen;
# die fallen weg, alles andere zeigt ein Fehlschlag.
sprich() {
    local ziel="$1/$2.WAV" meldung
    if ! meldung=$(espeak-ng -v de -s 140 -w "$ziel" -- "$3" 2>&1 >/dev/null); then
        grep -v '^ALSA' <<<"$meldung" >&2 || true
        echo "erzeuge_sprache.sh: espeak-ng scheitert an $2: $3" >&2
        exit 1
    fi
    # espeak-ng endet auch dann mit 0, wenn es die Datei nicht schreiben kann
    if [[ ! -s $ziel ]]; then
        grep -v '^ALSA' <<<"$meldung" >&2 || true
        echo "erzeuge_sprache.sh: keine Aufnahme für $2: $ziel" >&2
        exit 1
    fi
}
export -f sprich

declare -A gewollt=()
paare=()
nr=0
while IFS= read -r zeile || [[ -n $zeile ]]; do
    nr=$((nr + 1))
    zeile=${zeile%$'\r'}
    [[ -z $zeile ]] && continue
    name=${zeile%%$'\t'*}
    text=${zeile#*$'\t'}
    if [[ $name == "$zeile" || ! $name =~ ^[A-Za-z0-9_]+$ || -z $text ]]; then
        echo "erzeuge_sprache.sh: $liste:$nr: erwartet 'Name<TAB>Text' mit Name aus A-Z, a-z, 0-9, _" >&2
        exit 1
    fi
    if [[ -n ${gewollt[$name]+x} ]]; then
        echo "erzeuge_sprache.sh: $liste:$nr: $name steht zweimal in der Liste" >&2
        exit 1
    fi
    gewollt[$name]=1
    paare+=("$name" "$text")
done <"$liste"

# Name und Text als NUL-getrennter Strom: Anführungszeichen und Leerzeichen bleiben, wie sie sind
if [[ ${#paare[@]} -gt 0 ]]; then
    printf '%s\0' "${paare[@]}" |
        xargs -0 -n 2 -P "$(nproc)" bash -c 'sprich "$0" "$1" "$2"' "$ordner"
fi

# Alte Aufnahmen, deren Wort es nicht mehr gibt
shopt -s nullglob
for datei in "$ordner"/*.WAV; do
    name=$(basename "$datei" .WAV)
    [[ -n ${gewollt[$name]+x} ]] || rm -f -- "$datei"
done
echo "erzeuge_sprache.sh: ${#gewollt[@]} Aufnahmen in $ordner"
