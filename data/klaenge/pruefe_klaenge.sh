#!/usr/bin/env bash
# Prüft die erzeugten Klänge: vorhanden, gültiges WAV, Format, Länge, nicht stumm.
# Aufruf: pruefe_klaenge.sh <ordner>
set -euo pipefail

if [[ $# -ne 1 || -z $1 ]]; then
    echo "Aufruf: $0 <ordner>" >&2
    exit 2
fi
ORDNER=$1
if [[ ! -d $ORDNER ]]; then
    echo "FEHLER: Ordner $ORDNER gibt es nicht." >&2
    exit 1
fi

for werkzeug in sox soxi; do
    command -v "$werkzeug" >/dev/null || { echo "Fehler: $werkzeug nicht gefunden." >&2; exit 1; }
done

KLAENGE=(
    Start Ende Meldung Gratulation1 Gratulation2 Achtung Fehler
    LeichterFehler SchwererFehler Annahme1 Annahme2 Glueckstreffer
    BewegungStart BewegungStop BewegungEnde TROPFEN TUTUT
)

fehler=0
melde() {
    echo "FEHLER: $1" >&2
    fehler=$((fehler + 1))
}

# Ist $1 zwischen $2 und $3 (einschließlich)?
zwischen() { awk -v x="$1" -v a="$2" -v b="$3" 'BEGIN { exit !(x >= a && x <= b) }'; }

for name in "${KLAENGE[@]}"; do
    datei="$ORDNER/$name.WAV"
    if [[ ! -f $datei ]]; then
        melde "$datei fehlt."
        continue
    fi
    if ! typ=$(soxi -t "$datei" 2>/dev/null) || [[ $typ != wav ]]; then
        melde "$datei ist keine gültige WAV-Datei."
        continue
    fi
    kodierung=$(soxi -e "$datei")
    kanaele=$(soxi -c "$datei")
    rate=$(soxi -r "$datei")
    bits=$(soxi -b "$datei")
    dauer=$(soxi -D "$datei")

    [[ $kodierung == "Signed Integer PCM" ]] || melde "$datei: Kodierung '$kodierung' statt 'Signed Integer PCM'."
    [[ $kanaele == 1 ]] || melde "$datei: $kanaele Kanäle statt 1 (mono)."
    [[ $rate == 22050 ]] || melde "$datei: Abtastrate $rate Hz statt 22050 Hz."
    [[ $bits == 16 ]] || melde "$datei: $bits Bit statt 16 Bit."
    zwischen "$dauer" 0.1 2.0 || melde "$datei: Länge $dauer s liegt nicht zwischen 0,1 und 2,0 s."

    # Spitze: größter Betrag aus Maximum und Minimum
    spitze=$(sox "$datei" -n stat 2>&1 | awk '
        /^Maximum amplitude/ { hoch = $3; h = 1 }
        /^Minimum amplitude/ { tief = -$3; t = 1 }
        END { if (h && t) print (hoch > tief ? hoch : tief) }')
    if [[ -z $spitze ]]; then
        melde "$datei: Pegel nicht lesbar."
    elif ! zwischen "$spitze" 0.1 1.0; then
        melde "$datei: zu leise (Spitzenpegel $spitze, mindestens 0,1 nötig)."
    fi
done

if [[ $fehler -gt 0 ]]; then
    echo "$fehler Fehler in den Klängen unter $ORDNER." >&2
    exit 1
fi
echo "Alle ${#KLAENGE[@]} Klänge in Ordnung."
