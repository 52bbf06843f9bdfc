#!/usr/bin/env bash
# Ein Stein des Kreuzworträtsels im echten Programm gezogen, von außen gemessen (bench/antwort):
# drücken, ziehen, loslassen, jedes bis zum letzten Neuzeichnen. Der Stein geht aus der Ablage
# aufs Brett und wieder zurück, Lauf um Lauf. Wendomar läuft in einem eigenen Programmordner
# ohne Ratezeit und ohne Ton (Zeiger und Meldung zeichneten sonst mit), auf einem eigenen Xvfb;
# gedruckt werden der erste Zug nach dem Start und Median, kleinster und größter Wert der übrigen.
# Der Spielzeitbalken zeichnet alle 5 Sekunden; fällt das in eine Messung, zählt es mit: den
# größten Wert treiben solche Treffer, den Median nicht.
#
#   bench/stein_ziehen.sh [-b BAUORDNER] [-n LÄUFE]
#
# Die Punkte sind im Fenster gezählt: der erste Platz der Ablage und eine Zelle des Bretts, wie
# das Fenster sie bei der Schrift dieses Rechners legt.
set -euo pipefail

bau=build
laeufe=10
while getopts "b:n:h" opt; do
    case $opt in
    b) bau=$OPTARG ;;
    n) laeufe=$OPTARG ;;
    *)
        sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'
        exit 2
        ;;
    esac
done

messer=$(realpath "$bau/bench/antwort" 2>/dev/null || true)
quelle=$(realpath "$bau/Varku")
if [ ! -x "$messer" ] || [ ! -x "$quelle/Wendomar" ]; then
    echo "$bau/bench/antwort oder $bau/Varku/Wendomar fehlt: erst bauen (cmake --build $bau)" >&2
    exit 2
fi

source "$(dirname "$0")/eigener_schirm.sh"
source "$(dirname "$0")/auswertung.sh"

ordner=$arbeit/varku
eigener_programmordner "$quelle" "$ordner"
sed -i '/^\[Wendomar\]/,/^\[/ { s/^TonEinschalten=.*/TonEinschalten=0/; s/^RatezeitBegrenzen=.*/RatezeitBegrenzen=0/ }' \
    "$ordner/Varku.ini"

titel="Varku - Wendomar"
"$ordner/Wendomar" '"Version=4;RuvoFeldName=LTA_;LupenFlag=1;GwsFlag=1;nSpieler=1;Anna;AAAAAAAA;"' \
    >/dev/null 2>&1 &
kinder+=($!)
xdotool search --sync --name "$titel" >/dev/null

ablage=618,60 # der erste Platz der Ablage
feld=69,100   # die Zelle in Spalte 2, Zeile 2
mitte=400,200
# eine Handlung, die nichts zeichnet, fehlt in der Zählung und wird am Ende genannt
messe() { # NAME HANDLUNG
    "$messer" -t 30 -w "$titel" -r 250 "$2" | sed "s/^/$1_/" >>"$arbeit/m" || true
}
zug() { # VON NACH
    messe druecken "maus:druecke:$1"
    messe ziehen "maus:ziehe:$mitte"
    messe loslassen "maus:lasse:$2"
}
# der erste Zug nach dem Start für sich: er zahlt, was Qt beim ersten Mal einrichtet
zug "$ablage" "$feld"
zug "$feld" "$ablage"
mv "$arbeit/m" "$arbeit/erster"
for _ in $(seq "$laeufe"); do
    zug "$ablage" "$feld"
    zug "$feld" "$ablage"
done

printf '%d Züge hin und zurück nach dem ersten, %s; Handlung bis zum letzten Neuzeichnen, ms\n' \
    "$laeufe" "$(basename "$bau")"
printf 'erster Zug nach dem Start:%s\n' \
    "$(sed -n 's/^\([a-z]*\)_antwort_ms=\([0-9.]*\).*/ \1 \2/p' "$arbeit/erster" | head -3 | tr -d '\n')"
printf '%-10s %8s %8s %8s\n' "" Median kleinst größt
for h in druecken ziehen loslassen; do
    werte=$(sed -n "s/^${h}_antwort_ms=\([0-9.]*\).*/\1/p" "$arbeit/m")
    n=$(echo "$werte" | grep -c . || true)
    [ "$n" -eq 0 ] && { printf '%-10s nie gezeichnet\n' "$h"; continue; }
    printf '%-10s %s%s\n' "$h" "$(zeile "$werte")" \
        "$([ "$n" -lt $((2 * laeufe)) ] && echo "   (gezeichnet in $n von $((2 * laeufe)))")"
done
