#!/usr/bin/env bash
# Die zwei langsamsten Handgriffe im echten Programm, von der Taste bis zum letzten Neuzeichnen
# (bench/antwort): OK im Willkommensfenster bis Hauptfenster und Schwerpunktdialog stehen, und
# OK im Schwerpunktdialog bis die Spielerliste steht. Daneben, Lauf um Lauf abwechselnd, der
# Maßstab: dieselben Fensterschritte mit bloßem Qt (bench/leere_antwort). Jeder Lauf startet das
# Programm neu, Varku in einem eigenen Programmordner, alles auf einem eigenen Xvfb; gedruckt
# werden Median, kleinster und größter Wert und der Median der Verhältnisse Paar für Paar.
#
#   bench/antwort.sh [-b BAUORDNER] [-n LÄUFE] [-m] [-k]
#
# -m misst mit Fensterverwaltung (openbox). -k misst ohne die Umschalttaste vorweg, die die
# XTest-Tastatur zur Tastatur in Gebrauch macht (siehe bench/antwort.cpp). Ist pulseaudio da,
# bekommt jeder Lauf einen stummen Tonausgang, damit der Hinweis "keine Tonausgabe" nicht
# mitgemessen wird; sonst ist der Ton in den Einstellungen aus.
set -euo pipefail

bau=build
laeufe=15
verwaltung=0
vorweg=()
while getopts "b:n:mkh" opt; do
    case $opt in
    b) bau=$OPTARG ;;
    n) laeufe=$OPTARG ;;
    m) verwaltung=1 ;;
    k) vorweg=(-k) ;;
    *)
        sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'
        exit 2
        ;;
    esac
done

messer=$(realpath "$bau/bench/antwort" 2>/dev/null || true)
massstab=$(realpath "$bau/bench/leere_antwort" 2>/dev/null || true)
quelle=$(realpath "$bau/Varku")
if [ ! -x "$messer" ] || [ ! -x "$massstab" ] || [ ! -x "$quelle/Varku" ]; then
    echo "$bau/bench/antwort, $bau/bench/leere_antwort oder $bau/Varku/Varku fehlt:" \
        "erst bauen (cmake --build $bau)" >&2
    exit 2
fi
if [ "$verwaltung" = 1 ] && ! command -v openbox >/dev/null; then
    echo "openbox fehlt" >&2
    exit 2
fi

source "$(dirname "$0")/eigener_schirm.sh"
source "$(dirname "$0")/auswertung.sh"
if [ "$verwaltung" = 1 ]; then
    openbox >/dev/null 2>&1 &
    kinder+=($!)
fi
ton=1
if command -v pulseaudio >/dev/null; then
    mit_tondienst=1
    pulseaudio -D -n --exit-idle-time=-1 --load="module-null-sink sink_name=leer" \
        --load=module-native-protocol-unix >/dev/null 2>&1 && pactl set-default-sink leer ||
        ton=0
else
    ton=0
fi

ordner=$arbeit/varku
eigener_programmordner "$quelle" "$ordner"
if [ "$ton" = 0 ]; then
    sed -i 's/^TonEinschalten=1/TonEinschalten=0/' "$ordner/Varku.ini"
    echo "ohne Tonausgang: Ton aus" >&2
fi

# ein Lauf eines Programms: Werte mit dem Vorsatz an die Datei
#   lauf DATEI SCHWERPUNKTTITEL PROGRAMM
lauf() {
    local datei=$1 titel=$2
    shift 2
    "$@" >/dev/null 2>&1 &
    local programm=$!
    "$messer" "${vorweg[@]}" -t 30 -w Willkommen Return | sed 's/^/willkommen_/' >>"$datei"
    # eine Kategorie wählen: der Schwerpunktdialog steht mittig, die Liste oben links darin
    xdotool search --sync --name "$titel" >/dev/null
    local fenster
    fenster=$(xdotool search --name "$titel" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$fenster" | sed 's/^/local /')"
    xdotool mousemove $((X + 60)) $((Y + 120)) click 1
    "$messer" "${vorweg[@]}" -t 30 -w "$titel" Return | sed 's/^/schwerpunkt_/' >>"$datei"
    kill "$programm" 2>/dev/null
    wait "$programm" 2>/dev/null || true
}
varku() {
    rm -f "$ordner"/User/*
    lauf "$1" "VARKU - Übungsschwerpunkt" "$ordner/Varku"
}
leer() { lauf "$1" "Leer - Schwerpunkt" "$massstab"; }

spalte() { sed -n "s/^$2_antwort_ms=\([0-9.]*\).*/\1/p" "$1"; }

# zum Aufwärmen
varku /dev/null
leer /dev/null
for _ in $(seq "$laeufe"); do
    varku "$arbeit/a"
    leer "$arbeit/b"
done
printf '%d Läufe je Programm, %s%s; Taste bis zum letzten Neuzeichnen, ms\n' "$laeufe" \
    "$(basename "$bau")" "$([ "$verwaltung" = 1 ] && echo ", mit openbox")"
printf '%-12s %8s %8s %8s   %s\n' "" Median kleinst größt "Verhältnis zu bloßem Qt"
for h in willkommen schwerpunkt; do
    a=$(spalte "$arbeit/a" $h)
    b=$(spalte "$arbeit/b" $h)
    if [ "$(echo "$a" | grep -c .)" -ne "$laeufe" ] || [ "$(echo "$b" | grep -c .)" -ne "$laeufe" ]; then
        echo "$h: nicht jeder Lauf wurde gemessen" >&2
        continue
    fi
    [ $h = willkommen ] && echo "Willkommen OK → Schwerpunkt" || echo "Schwerpunkt OK → Spielerliste"
    printf '  %-10s %s\n' "Qt" "$(zeile "$b")"
    printf '  %-10s %s   %5.2fx\n' "Varku" "$(zeile "$a")" \
        "$(median_der_verhaeltnisse <(echo "$a") <(echo "$b"))"
done
