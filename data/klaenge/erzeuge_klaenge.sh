#!/usr/bin/env bash
# Erzeugt die Klänge des Programms mit sox.
# Aufruf: erzeuge_klaenge.sh <zielordner>
set -euo pipefail

if [[ $# -ne 1 || -z $1 ]]; then
    echo "Aufruf: $0 <zielordner>" >&2
    exit 2
fi
ZIEL=$1

command -v sox >/dev/null || { echo "Fehler: sox nicht gefunden." >&2; exit 1; }

RATE=22050
NYQUIST_GRENZE=10000   # Obertöne darüber fallen weg (sonst Aliasing)

# -R: wiederholbar (fester Startwert für Rauschen und Dither)
ROH=(-r "$RATE" -c 1 -e floating-point -b 32)
SOX=(sox -R -V2)

ARBEIT=$(mktemp -d)
trap 'rm -rf "$ARBEIT"' EXIT
ZAEHLER=0

# Neuer Name für eine Zwischendatei, in die Variable $1.
neu() {
    ZAEHLER=$((ZAEHLER + 1))
    printf -v "$1" '%s/t%04d.wav' "$ARBEIT" "$ZAEHLER"
}

rechne() { awk "BEGIN { printf \"%.6f\", ($1) }"; }

# Klangfarben: Liste aus Verhältnis:Anteil je Teilton.
klangfarbe() {
    case $1 in
        weich)  echo "1:1 2:0.12 3:0.04" ;;
        hell)   echo "1:1 2:0.35 3:0.15 4:0.06" ;;
        glocke) echo "1:1 2:0.3 2.76:0.12 5.4:0.04" ;;
        blech)  echo "1:1 2:0.6 3:0.4 4:0.25 5:0.15 6:0.08" ;;
        horn)   echo "1:1 2:0.5 3:0.3 4:0.12 5:0.05" ;;
        brumm)  echo "1:1 2:0.5 3:0.33 4:0.25 5:0.2 6:0.14 7:0.1" ;;
        sinus)  echo "1:1" ;;
        *) echo "Unbekannte Klangfarbe: $1" >&2; return 1 ;;
    esac
}

# Hüllkurve auf eine Rohdatei legen: weiche Kanten, kein Knacken.
huelle() {
    local art=$1 ein=$2 aus=$3 d=$4
    case $art in
        weich)   # kurzer Anstieg, Ausklang über ein Drittel
            "${SOX[@]}" "$ein" "$aus" fade h 0.012 0 "$(rechne "$d * 0.35")" ;;
        kurz)    # für Pieptöne
            "${SOX[@]}" "$ein" "$aus" fade h 0.01 0 "$(rechne "$d < 0.1 ? $d * 0.4 : 0.04")" ;;
        glocke)  # schneller Abfall mit sanftem Nachklingen
            local a b
            neu a; neu b
            "${SOX[@]}" "$ein" "$a" fade l 0.004 0 "$(rechne "$d - 0.004")"
            "${SOX[@]}" "$ein" "$b" fade h 0.004 0 "$(rechne "$d - 0.004")"
            "${SOX[@]}" -m -v 0.6 "$a" -v 0.4 "$b" "$aus" ;;
        *) echo "Unbekannte Hüllkurve: $art" >&2; return 1 ;;
    esac
}

# Ein Ton aus Teiltönen. Frequenz "f" fest oder "f1/f2" gleitend,
# mehrere Frequenzen mit Komma ergeben einen Akkord.
ton() {
    local aus=$1 d=$2 frequenzen=$3 farbe=$4 art=$5
    local teile=() summe=0 f paar verh anteil f1 f2 frq datei
    local -a gewichte=()
    for f in ${frequenzen//,/ }; do
        for paar in $(klangfarbe "$farbe"); do
            verh=${paar%%:*}; anteil=${paar##*:}
            f1=${f%%/*}; f2=${f##*/}
            if awk "BEGIN { exit !($f1 * $verh > $NYQUIST_GRENZE || $f2 * $verh > $NYQUIST_GRENZE) }"; then
                continue
            fi
            if [[ $f == */* ]]; then
                frq="$(rechne "$f1 * $verh")/$(rechne "$f2 * $verh")"
            else
                frq=$(rechne "$f1 * $verh")
            fi
            neu datei
            "${SOX[@]}" -n "${ROH[@]}" "$datei" synth "$d" sine "$frq"
            teile+=("$datei"); gewichte+=("$anteil")
            summe=$(rechne "$summe + $anteil")
        done
    done
    local roh mischung=() i
    neu roh
    if [[ ${#teile[@]} -eq 1 ]]; then
        cp "${teile[0]}" "$roh"
    else
        for i in "${!teile[@]}"; do
            mischung+=(-v "$(rechne "${gewichte[$i]} / $summe")" "${teile[$i]}")
        done
        "${SOX[@]}" -m "${mischung[@]}" "$roh"
    fi
    huelle "$art" "$roh" "$aus" "$d"
}

stille() {
    "${SOX[@]}" -n "${ROH[@]}" "$1" trim 0 "$2"
}

# Rohklang als fertige Datei ablegen: 16 Bit, mono, Spitze bei -3 dBFS.
fertig() {
    "${SOX[@]}" "$1" -b 16 -e signed-integer -c 1 -r "$RATE" "$ARBEIT/fertig/$2" gain -n -3
}

# Tonfolge: Noten "dauer:frequenz", Frequenz 0 ist eine Pause.
melodie() {
    local name=$1 farbe=$2 art=$3; shift 3
    local stuecke=() note d f datei
    for note in "$@"; do
        d=${note%%:*}; f=${note#*:}
        neu datei
        if [[ $f == 0 ]]; then
            stille "$datei" "$d"
        else
            ton "$datei" "$d" "$f" "$farbe" "$art"
        fi
        stuecke+=("$datei")
    done
    local roh
    neu roh
    "${SOX[@]}" "${stuecke[@]}" "$roh"
    fertig "$roh" "$name"
}

# Schneller Lauf, die Glöckchen klingen ineinander.
glockenlauf() {
    local name=$1 abstand=$2 nachklang=$3; shift 3
    local mischung=() f datei ton_datei versatz=0 n=$#
    for f in "$@"; do
        neu ton_datei; neu datei
        ton "$ton_datei" "$nachklang" "$f" glocke glocke
        "${SOX[@]}" "$ton_datei" "$datei" pad "$versatz"
        mischung+=(-v "$(rechne "2 / $n")" "$datei")
        versatz=$(rechne "$versatz + $abstand")
    done
    local roh
    neu roh
    "${SOX[@]}" -m "${mischung[@]}" "$roh"
    fertig "$roh" "$name"
}

# Tiefes Brummen, mit Tiefpass und leichtem Zittern entschärft.
brummen() {
    local name=$1 d=$2 f=$3
    local roh gefiltert
    neu roh; neu gefiltert
    ton "$roh" "$d" "$f" brumm weich
    "${SOX[@]}" "$roh" "$gefiltert" lowpass 900 tremolo 11 35 fade h 0.02 0 0.12
    fertig "$gefiltert" "$name"
}

# Rauschen mit aufsteigendem Ton, wie ein Luftzug.
rauschen() {
    local name=$1 d=$2 von=$3 bis=$4
    local luft luft_f ton_datei roh
    neu luft; neu luft_f; neu ton_datei; neu roh
    "${SOX[@]}" -n "${ROH[@]}" "$luft" synth "$d" pinknoise
    "${SOX[@]}" "$luft" "$luft_f" highpass 300 lowpass 2500
    ton "$ton_datei" "$d" "$von/$bis" sinus weich
    "${SOX[@]}" -m -v 0.55 "$luft_f" -v 0.45 "$ton_datei" "$roh" \
        fade h "$(rechne "$d * 0.65")" 0 "$(rechne "$d * 0.3")"
    fertig "$roh" "$name"
}

# Dumpfer Schlag: fallender tiefer Ton und ein leiser, gedämpfter Klick.
klopfen() {
    local name=$1 d=$2 von=$3 bis=$4
    local schlag klick klick_f roh
    neu schlag; neu klick; neu klick_f; neu roh
    ton "$schlag" "$d" "$von/$bis" weich glocke
    "${SOX[@]}" -n "${ROH[@]}" "$klick" synth 0.02 brownnoise
    "${SOX[@]}" "$klick" "$klick_f" lowpass 1500 fade h 0.002 0 0.015 pad 0 "$(rechne "$d - 0.02")"
    "${SOX[@]}" -m -v 0.8 "$schlag" -v 0.2 "$klick_f" "$roh"
    fertig "$roh" "$name"
}

# Wassertropfen: kurzer Ton, der rasch nach oben gleitet.
tropfen() {
    local name=$1 d=$2 von=$3 bis=$4
    local roh
    neu roh
    ton "$roh" "$d" "$von/$bis" sinus glocke
    fertig "$roh" "$name"
}

# Hupe: gleich hohe Stöße eines runden Horntons mit kurzen Pausen.
tuten() {
    local name=$1 f=$2 pause=$3; shift 3
    local stuecke=() d datei luecke roh gefiltert
    neu luecke
    stille "$luecke" "$pause"
    for d in "$@"; do
        neu datei
        ton "$datei" "$d" "$f" horn kurz
        [[ ${#stuecke[@]} -gt 0 ]] && stuecke+=("$luecke")
        stuecke+=("$datei")
    done
    neu roh; neu gefiltert
    "${SOX[@]}" "${stuecke[@]}" "$roh"
    "${SOX[@]}" "$roh" "$gefiltert" lowpass 2200
    fertig "$gefiltert" "$name"
}

mkdir -p "$ARBEIT/fertig"

# Programmstart und -ende: C-Dur hinauf bzw. hinunter
melodie Start.WAV          weich weich   0.2:523.25 0.2:659.26 0.4:783.99
melodie Ende.WAV           weich weich   0.25:783.99 0.25:659.26 0.4:523.25
# Hinweis: Ding-Dong
melodie Meldung.WAV        glocke glocke 0.25:659.26 0.25:523.25
# Große Fanfare, am Schluss ein Akkord
melodie Gratulation1.WAV   blech weich   0.12:523.25 0.12:659.26 0.12:783.99 0.25:1046.50 \
                                         0.12:783.99 0.77:1046.50,1318.51,1567.98
melodie Gratulation2.WAV   hell weich    0.12:698.46 0.12:880.00 0.12:1046.50 0.44:1396.91
melodie Achtung.WAV        hell kurz     0.15:880.00 0.1:0 0.15:880.00
brummen Fehler.WAV         0.4 110
# Oh-oh: der zweite Ton sinkt etwas ab
melodie LeichterFehler.WAV weich weich   0.2:392.00 0.04:0 0.26:329.63/311.13
melodie SchwererFehler.WAV hell weich    0.18:233.08 0.02:0 0.18:196.00 0.02:0 0.3:155.56
melodie Annahme1.WAV       glocke glocke 0.3:1567.98
melodie Annahme2.WAV       hell weich    0.1:1174.66/1318.51 0.2:1567.98/1760.00
# Pentatonik aufwärts, Abstand 70 ms
glockenlauf Glueckstreffer.WAV 0.07 0.31 \
    1046.50 1174.66 1318.51 1567.98 1760.00 2093.00 2349.32 2637.02
rauschen BewegungStart.WAV 0.3 250 900
klopfen  BewegungStop.WAV  0.15 160 55
melodie BewegungEnde.WAV   weich weich   0.1:587.33 0.2:392.00
tropfen TROPFEN.WAV        0.25 600 2400
tuten   TUTUT.WAV          349.23 0.07   0.18 0.18 0.3

mkdir -p "$ZIEL"
mv -f "$ARBEIT"/fertig/*.WAV "$ZIEL"/
